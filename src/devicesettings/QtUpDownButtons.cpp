#include "devicesettings/QtUpDownButtons.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace vestra {
namespace {

constexpr int kArrowWidth = 16;
constexpr int kArrowHeight = 11;

} // namespace

QtUpDownButtons::QtUpDownButtons(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int direction : {1, -1}) {
        auto* arrow = new QToolButton;
        arrow->setArrowType(direction > 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setObjectName(direction > 0 ? "up" : "down");
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setFixedSize(kArrowWidth, kArrowHeight);
        connect(arrow, &QToolButton::clicked, this, [this, direction] { emit stepped(direction); });
        layout->addWidget(arrow);
    }
}

void QtUpDownButtons::stepWithKeysOf(QWidget* box) {
    box->installEventFilter(this);
}

bool QtUpDownButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            emit stepped(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vestra
