#include "window/QtWindowFit.h"

#include "window/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vestra {

void ResizeWithinScreen(QWidget& window, QSize wanted) {
    QWidget* parent = window.parentWidget() != nullptr ? window.parentWidget()->window() : nullptr;
    QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        window.resize(wanted);
        return;
    }
    QRect free = screen->availableGeometry();
    QPoint centre = parent != nullptr ? parent->frameGeometry().center() : free.center();
    WindowPlacement wantedPlace{centre.x() - wanted.width() / 2, centre.y() - wanted.height() / 2,
                                wanted.width(), wanted.height()};
    WindowPlacement fitted = FitToArea(
        wantedPlace, {free.x(), free.y(), free.width(), free.height()}, kFrameWidth, kTitleHeight);
    window.resize(fitted.width, fitted.height);
    window.move(fitted.left, fitted.top);
}

} // namespace vestra
