#include "chart/QtChartView.h"
#include "data/QtGridTable.h"
#include "data/frmMain.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>

namespace vestra {

const chart::Drawing& frmMain::chartDrawing() const {
    return chart_->drawing();
}

void frmMain::connectChart() {
    connect(chart_, &chart::ChartView::readingChosen, this, &frmMain::readingChosen);
    connect(vsfgGrp_, &QTableWidget::currentCellChanged, chart_,
            [this](int row) { chart_->selectReading(row + 1); });
    connect(chart_, &chart::ChartView::groupChosen, this, &frmMain::selectNode);
    connect(chart_, &chart::ChartView::saveRequested, this, [this](chart::ChartFormat format) {
        commitPendingEdits();
        emit chartSaveRequested(format);
    });
}

// A reading chosen with the keyboard leaves the focus in the chart so the arrows go on
// stepping; one clicked moves it to the table, the only place its row shows as current.
void frmMain::readingChosen(int no) {
    int column = std::max(1, vsfgGrp_->currentColumn());
    vsfgGrp_->setCurrentGridCell(no, column);
    vsfgGrp_->scrollToItem(vsfgGrp_->item(no - 1, column));
    if (!chart_->hasFocus()) {
        vsfgGrp_->setFocus();
        vsfgGrp_->setCurrentGridCell(no, column);
    }
}

// Both panels stand in the same place; the window is made tall enough for the taller one at
// once, so that showing a group never makes the window grow.
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
