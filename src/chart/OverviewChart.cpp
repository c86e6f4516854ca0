#include "chart/OverviewChart.h"

#include "data/DataViews.h"

#include <string>

namespace vestra::chart {
namespace {

constexpr double kFontSize = 10;
constexpr double kGap = 6;
constexpr double kCaptionHeight = kFontSize + 4;

void drawCell(const GroupSetting& group, int g, const Rect& cell, Drawing& out) {
    std::string caption = GroupNodeText(g);
    if (std::size_t n = UsableCount(group); n > 0) {
        caption += "  " + std::to_string(n) + "件";
    }
    out.shapes.emplace_back(
        Text{{cell.left, cell.top + kFontSize}, caption, kInk, kFontSize, Anchor::Start});
    Rect plot{cell.left, cell.top + kCaptionHeight, cell.width, cell.height - kCaptionHeight};
    PlotReadings(group, plot, PlotStyle{false, 2, kFontSize}, out);
}

} // namespace

OverviewChart LayoutOverviewChart(const DataSet& data, double width, double height) {
    OverviewChart chart;
    chart.drawing.width = width;
    chart.drawing.height = height;
    int columns = width >= height ? 5 : 3;
    int rows = kGroupCount / columns;
    double cellWidth = (width - kGap * (columns + 1)) / columns;
    double cellHeight = (height - kGap * (rows + 1)) / rows;
    for (int g = 1; g <= kGroupCount; ++g) {
        int column = (g - 1) % columns;
        int row = (g - 1) / columns;
        Rect cell{kGap + column * (cellWidth + kGap), kGap + row * (cellHeight + kGap), cellWidth,
                  cellHeight};
        chart.cells[static_cast<std::size_t>(g - 1)] = cell;
        drawCell(data.group(g), g, cell, chart.drawing);
    }
    return chart;
}

int GroupAt(const OverviewChart& chart, Point p) {
    for (std::size_t i = 0; i < chart.cells.size(); ++i) {
        const Rect& c = chart.cells[i];
        if (p.x >= c.left && p.x < c.right() && p.y >= c.top && p.y < c.bottom()) {
            return static_cast<int>(i + 1);
        }
    }
    return 0;
}

} // namespace vestra::chart
