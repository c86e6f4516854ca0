#include "window/QtGridTable.h"
#include "window/QtWindowFit.h"
#include "window/frmMain.h"

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

namespace {

// What the chart gets beside the panels when the toggle shows it, where the screen allows;
// narrower than kChartSeen its scale and a few readings do not fit and it counts as hidden.
constexpr int kChartRoom = 480;
constexpr int kChartSeen = 80;

} // namespace

bool frmMain::chartShown() const {
    // The room beyond the panels' own width all goes to the chart (the panels do not stretch).
    return width() - sizeHint().width() >= kChartSeen;
}

void frmMain::showChart(bool show) {
    if (show != chartShown()) {
        if (isMaximized() || isFullScreen()) {
            showNormal();
        }
        int panels = sizeHint().width();
        QRect frame = frameGeometry();
        WindowPlacement wanted{frame.x(), frame.y(), show ? panels + kChartRoom : panels, height()};
        if (QScreen* on = screen()) {
            QRect free = on->availableGeometry();
            wanted = FitToArea(wanted, {free.x(), free.y(), free.width(), free.height()},
                               kFrameWidth, kTitleHeight);
        }
        resize(wanted.width, wanted.height);
        move(wanted.left, wanted.top);
    }
    mnuChart_->setChecked(chartShown());
    tbrChart_->setChecked(chartShown());
}

// The toggle follows the chart's room however the window got its size.
void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    mnuChart_->setChecked(chartShown());
    tbrChart_->setChecked(chartShown());
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
