#pragma once

#include "base/MessageSink.h"

#include <string>
#include <unistd.h>

namespace vestra::cli {

// Messages of the tool: completions on standard output (or the descriptor given; none when
// quiet), everything else on standard error, one line per line of the message, each line on
// standard error after the program's name. Questions cannot be asked in a
// batch; they are shown and answered Yes, since the user asked for the action on the command
// line. A completion that cannot be written is remembered: the tool must not report success
// it could not tell.
class ConsoleMessages : public MessageSink {
public:
    explicit ConsoleMessages(int completions = STDOUT_FILENO, bool quiet = false)
        : completions_(completions), quiet_(quiet) {}

    void showMessage(const std::string& text, MessageIcon icon) override;
    bool askYesNo(const std::string& text, MessageIcon icon) override;

    // Why a completion could not be written; empty when every one was.
    const std::string& outputFault() const { return outputFault_; }

private:
    void print(int fd, const std::string& text);

    int completions_;
    bool quiet_;
    std::string outputFault_;
};

} // namespace vestra::cli
