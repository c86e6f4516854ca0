#pragma once

#include "base/MessageSink.h"

class QWidget;

namespace vestra {

// Message boxes with the program title as caption, parented to the active window.
class QtMessageSink : public MessageSink {
public:
    explicit QtMessageSink(QWidget* parent = nullptr) : parent_(parent) {}
    void showMessage(const std::string& text, MessageIcon icon) override;
    void showDetailedMessage(const std::string& text, MessageIcon icon,
                             const std::string& detail) override;
    bool askYesNo(const std::string& text, MessageIcon icon) override;
    void beep() override;

private:
    QWidget* parent_;
};

} // namespace vestra
