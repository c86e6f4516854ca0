#pragma once

#include "shell/MessageSink.h"

#include <iostream>

namespace vestra::cli {

// Messages of the tool: completions on standard output (or the stream given), everything else
// on standard error, one line per line of the message. Questions cannot be asked in a batch;
// they are shown and answered Yes, since the user asked for the action on the command line.
class ConsoleMessages : public MessageSink {
public:
    explicit ConsoleMessages(std::ostream& completions = std::cout) : completions_(completions) {}

    void showMessage(const std::string& text, MessageIcon icon) override;
    bool askYesNo(const std::string& text, MessageIcon icon) override;

private:
    std::ostream& completions_;
};

} // namespace vestra::cli
