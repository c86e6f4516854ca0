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
    // A Yes/No question; true for Yes. Confirmations carry the question icon, a few none.
    virtual bool askYesNo(const std::string& text, MessageIcon icon = MessageIcon::Question) = 0;
    // The system beep that goes before the file error messages.
    virtual void beep() {}
};

} // namespace vestra
