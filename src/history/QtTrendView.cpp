#include "history/QtTrendView.h"

#include "chart/QtChartPainter.h"
#include "history/HistoryTrend.h"

#include <QPainter>

namespace vestra {

QtTrendView::QtTrendView(QWidget* parent) : QWidget(parent) {
    setObjectName("trendView");
    setMinimumHeight(180);
}

void QtTrendView::showReadings(const std::vector<history::HistoryReading>& readings) {
    readings_ = readings;
    update();
}

void QtTrendView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (readings_.empty()) {
        return;
    }
    chart::PaintDrawing(painter, history::LayoutTrend(readings_, width(), height()));
}

} // namespace vestra
