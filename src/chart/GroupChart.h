#pragma once

#include "base/TemperatureUnit.h"
#include "chart/ReadingPlot.h"

#include <string>
#include <string_view>

namespace vestra::chart {

// The chart of one group: a title line with the group and its limits, the value axis on the
// left, the time axis below, and the readings.
struct GroupChart {
    Drawing drawing;
    std::vector<PlottedReading> readings;
};

// g in 1 to 15; unit is the current unit text, shown over the value axis and in the legend.
GroupChart LayoutGroupChart(const DataSet& data, int g, TemperatureUnit unit, double width,
                            double height);

// What the pointer or the keyboard tells of reading no (1-based) of the group: its number,
// time, value with unit and alarm mark, and remark, one to a line.
std::string ReadingCaption(const GroupSetting& group, int no, TemperatureUnit unit);

} // namespace vestra::chart
