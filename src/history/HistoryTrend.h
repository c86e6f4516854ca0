#pragma once

#include "chart/Drawing.h"
#include "history/HistoryRecords.h"

#include <vector>

namespace vestra::history {

// The trend of a tag's or an object's readings across data sets, drawn by the group chart's
// plot: the readings against their time, joined in time order and marked in their alarm
// colours, their average, maximum and minimum, and the alarm limits of the newest reading as
// dashed lines. width and height are the picture's size in pixels.
chart::Drawing LayoutTrend(const std::vector<HistoryReading>& readings, double width,
                           double height);

} // namespace vestra::history
