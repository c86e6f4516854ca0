#include "history/HistoryTrend.h"

#include "chart/ReadingPlot.h"
#include "data/GroupStatistics.h"

namespace vestra::history {
namespace {

// Room for the value labels on the left and the time labels below, as the group chart keeps.
constexpr double kLeftMargin = 64;
constexpr double kRightMargin = 16;
constexpr double kTopMargin = 16;
constexpr double kBottomMargin = 40;

// The readings as one group, oldest first, so that the plot joins them in time order, with the
// statistics of all of them.
GroupSetting asGroup(const std::vector<HistoryReading>& readings) {
    GroupSetting group;
    for (const HistoryReading& r : readings) {
        group.recordTimes.push_back(r.takenAt);
        group.recordValues.push_back(r.value);
        group.remarks.push_back(r.remark);
    }
    group.recordCount = static_cast<std::int16_t>(std::min<std::size_t>(readings.size(), 32767));
    GroupStatistics statistics = ComputeStatistics(group.recordValues);
    group.maxIndex = statistics.maxIndex;
    group.minIndex = statistics.minIndex;
    group.average = statistics.average;
    if (!readings.empty()) {
        group.alarmHigh = readings.back().alarmHigh;
        group.alarmLow = readings.back().alarmLow;
    }
    return group;
}

} // namespace

chart::Drawing LayoutTrend(const std::vector<HistoryReading>& readings, double width,
                           double height) {
    chart::Drawing drawing;
    drawing.width = width;
    drawing.height = height;
    chart::Rect plot{kLeftMargin, kTopMargin, width - kLeftMargin - kRightMargin,
                     height - kTopMargin - kBottomMargin};
    // Each reading in the colour of its own 警報 cell: the data sets may have other limits.
    std::vector<AlarmMark> marks;
    for (const HistoryReading& r : readings) {
        marks.push_back(r.alarm);
    }
    chart::PlotReadings(asGroup(readings), plot, chart::PlotStyle{}, drawing, marks);
    return drawing;
}

} // namespace vestra::history
