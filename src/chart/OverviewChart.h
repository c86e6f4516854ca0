#pragma once

#include "chart/ReadingPlot.h"

#include <array>

namespace vestra::chart {

// The 15 groups side by side as small charts of their readings, for comparing trends at a
// glance; each cell can be pointed at to open its group.
struct OverviewChart {
    Drawing drawing;
    std::array<Rect, kGroupCount> cells; // the cell of group g at g - 1
};

// Five columns in a wide area, three in a narrow one.
OverviewChart LayoutOverviewChart(const DataSet& data, double width, double height);

// The group whose cell holds p, or 0.
int GroupAt(const OverviewChart& chart, Point p);

} // namespace vestra::chart
