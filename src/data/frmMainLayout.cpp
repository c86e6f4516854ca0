#include "data/QtGridTable.h"
#include "data/QtWindowFit.h"
#include "data/frmMain.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>

namespace vestra {

void frmMain::chooseReading(int no, bool focusTable) {
    int column = std::max(1, vsfgGrp_->currentColumn());
    vsfgGrp_->setCurrentGridCell(no, column);
    vsfgGrp_->scrollToItem(vsfgGrp_->item(no - 1, column));
    if (focusTable) {
        vsfgGrp_->setFocus();
        vsfgGrp_->setCurrentGridCell(no, column);
    }
}

// Both panels stand in the same place; the window is made tall enough for the taller one at
// once, so that showing a group never makes it grow.
void frmMain::reserveRoomForBothPanels() {
    int height = std::max(fraAll_->sizeHint().height(), fraGrp_->sizeHint().height());
    if (auto* columns = qobject_cast<QBoxLayout*>(centralWidget()->layout())) {
        columns->addStrut(height);
    }
}

// Fitted to the free area of the screen it lands on (the primary screen for a placement off
// every screen, a monitor since unplugged).
void frmMain::applyPlacement() {
    if (!settings_.placement) {
        return;
    }
    const WindowPlacement& saved = *settings_.placement;
    QRect wanted(saved.left, saved.top, saved.width, saved.height);
    QScreen* screen = QGuiApplication::screenAt(wanted.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    WindowPlacement p = saved;
    if (screen != nullptr) {
        QRect free = screen->availableGeometry();
        p = FitToArea(saved, {free.x(), free.y(), free.width(), free.height()}, kFrameWidth,
                      kTitleHeight);
    }
    resize(p.width, p.height);
    move(p.left, p.top);
    if (saved.maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

// The frame's corner and the size inside it, as applyPlacement puts them back.
void frmMain::rememberPlacement() {
    bool maximized = isMaximized() || isFullScreen();
    QRect inner = maximized ? normalGeometry() : geometry();
    QPoint frameOffset = geometry().topLeft() - frameGeometry().topLeft();
    QPoint corner = inner.topLeft() - frameOffset;
    settings_.placement =
        WindowPlacement{corner.x(), corner.y(), inner.width(), inner.height(), maximized};
}

} // namespace vestra
