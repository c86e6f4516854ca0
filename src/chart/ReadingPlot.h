#pragma once

#include "chart/Drawing.h"
#include "data/DataSet.h"

#include <span>
#include <string_view>
#include <vector>

namespace vestra::chart {

struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

// How much the plot tells beside the readings: the group chart labels its axes, limits,
// average and extremes; the overview's small charts show only the line and its alarms.
struct PlotStyle {
    bool labelled = true;
    double markerRadius = 3;
    double fontSize = 11;
};

// Where a reading was drawn, for the pointer and the keyboard to find it again.
struct PlottedReading {
    int no = 0; // 1-based, as in the detail table
    Point at;
    AlarmMark mark = AlarmMark::None;
};

// The text drawn in the plot of a group without readings.
inline constexpr std::string_view kNoReadings = "ﾃﾞｰﾀなし";

// Draws the group's readings against their time into the plot rectangle: the frame, the
// readings joined in time order, each marked in its alarm colour, and the alarm limits that
// fall near the readings as dashed lines (limits far away would squash the readings into a
// flat line). Readings whose value is not a finite number are left out. Readings that do not
// share the group's limits (a trend across data sets, each with its own) bring their own
// marks, one per reading in order; without them each is marked against the group's limits.
std::vector<PlottedReading> PlotReadings(const GroupSetting& group, Rect plot,
                                         const PlotStyle& style, Drawing& out,
                                         std::span<const AlarmMark> marks = {});

// The reading drawn nearest to p within radius, or 0.
int ReadingAt(const std::vector<PlottedReading>& readings, Point p, double radius);

} // namespace vestra::chart
