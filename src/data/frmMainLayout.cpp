#include "data/QtGridTable.h"
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

// A placement off every screen (a monitor since unplugged) keeps only its size.
void frmMain::applyPlacement() {
    if (!settings_.placement) {
        return;
    }
    const WindowPlacement& p = *settings_.placement;
    QRect wanted(p.left, p.top, p.width, p.height);
    resize(wanted.size());
    if (QGuiApplication::screenAt(wanted.center()) != nullptr) {
        move(wanted.topLeft());
    }
}

void frmMain::rememberPlacement() {
    QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    settings_.placement = WindowPlacement{normal.x(), normal.y(), normal.width(), normal.height()};
}

} // namespace vestra
