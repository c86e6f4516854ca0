#include "ConsoleMessages.h"

#include <iostream>

namespace vestra::cli {
namespace {

// Messages written for a message box break their lines with CR LF.
void printLines(std::ostream& out, const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            out << line << '\n';
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    out << line << '\n';
}

} // namespace

void ConsoleMessages::showMessage(const std::string& text, MessageIcon icon) {
    printLines(icon == MessageIcon::Information ? completions_ : std::cerr, text);
}

bool ConsoleMessages::askYesNo(const std::string& text, MessageIcon) {
    printLines(std::cerr, text);
    return true;
}

} // namespace vestra::cli
