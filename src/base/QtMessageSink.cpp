#include "base/QtMessageSink.h"

#include "base/AppInfo.h"

#include <QApplication>
#include <QMessageBox>

namespace vestra {
namespace {

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QWidget* ownerOf(QWidget* parent) {
    return parent ? parent : QApplication::activeWindow();
}

} // namespace

void QtMessageSink::showMessage(const std::string& text, MessageIcon icon) {
    QMessageBox box(toQt(icon), QString::fromUtf8(kAppTitle), QString::fromStdString(text),
                    QMessageBox::Ok, ownerOf(parent_));
    box.exec();
}

// The message stays as it always reads; which file and why go below it, in smaller type.
void QtMessageSink::showDetailedMessage(const std::string& text, MessageIcon icon,
                                        const std::string& detail) {
    QMessageBox box(toQt(icon), QString::fromUtf8(kAppTitle), QString::fromStdString(text),
                    QMessageBox::Ok, ownerOf(parent_));
    box.setInformativeText(QString::fromStdString(detail));
    box.exec();
}

bool QtMessageSink::askYesNo(const std::string& text, MessageIcon icon) {
    QMessageBox box(toQt(icon), QString::fromUtf8(kAppTitle), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, ownerOf(parent_));
    return box.exec() == QMessageBox::Yes;
}

void QtMessageSink::beep() {
    QApplication::beep();
}

} // namespace vestra
