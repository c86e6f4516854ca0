#include "ConsoleMessages.h"

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
    std::string reason;
    if (!WriteAllTo(fd, consoleLines(text), reason) && fd != STDERR_FILENO &&
        outputFault_.empty()) {
        outputFault_ = reason;
    }
}

void ConsoleMessages::showMessage(const std::string& text, MessageIcon icon) {
    print(icon == MessageIcon::Information ? completions_ : STDERR_FILENO, text);
}

bool ConsoleMessages::askYesNo(const std::string& text, MessageIcon) {
    print(STDERR_FILENO, text);
    return true;
}

} // namespace vestra::cli
