#pragma once

#include <string>

namespace vestra {

enum class MessageIcon { Information, Exclamation, Critical, Question, None };

// Every message box and question of the program passes through this interface: the
// application shows them with the program title as caption, tests record them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A modal message with only an OK button.
    virtual void showMessage(const std::string& text, MessageIcon icon) = 0;
    // A message with a second part that says more (which file, and why): the window shows it
    // under the message, the tool on the next line.
    virtual void showDetailedMessage(const std::string& text, MessageIcon icon,
                                     const std::string& detail) {
        showMessage(text + "\r\n" + detail, icon);
    }
    // A Yes/No question; true for Yes. Confirmations carry the question icon, a few none.
    virtual bool askYesNo(const std::string& text, MessageIcon icon = MessageIcon::Question) = 0;
    // The system beep that goes before the file error messages.
    virtual void beep() {}
};

} // namespace vestra
