#include "ConsoleMessages.h"

#include "ErrorLines.h"
#include "StandardOutput.h"

namespace vestra::cli {
namespace {

// Messages written for a message box break their lines with CR LF.
std::string consoleLines(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != '\r') {
            out += c;
        }
    }
    return out + '\n';
}

} // namespace

void ConsoleMessages::print(int fd, const std::string& text) {
    if (fd == STDERR_FILENO) {
        WriteErrorLines(consoleLines(text));
        return;
    }
    std::string reason;
    if (!WriteAllTo(fd, consoleLines(text), reason) && outputFault_.empty()) {
        outputFault_ = reason;
    }
}

void ConsoleMessages::showMessage(const std::string& text, MessageIcon icon) {
    if (icon != MessageIcon::Information) {
        print(STDERR_FILENO, text);
    } else if (!quiet_) {
        print(completions_, text);
    }
}

bool ConsoleMessages::askYesNo(const std::string& text, MessageIcon) {
    print(STDERR_FILENO, text);
    return true;
}

} // namespace vestra::cli
