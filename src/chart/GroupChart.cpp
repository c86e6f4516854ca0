#include "chart/GroupChart.h"

#include "chart/TextWidth.h"
#include "data/DataViews.h"
#include "data/ValueFormat.h"

#include <algorithm>

namespace vestra::chart {
namespace {

constexpr double kFontSize = 11;
constexpr double kMargin = 8;
constexpr double kTitleBaseline = 16;
constexpr double kUnitBaseline = 32;
constexpr double kPlotTop = 42;
// Two label lines under the plot: the time of day and, where it changes, the date.
constexpr double kTimeAxisHeight = 2 * kFontSize + 12;
// Room for the widest value label, "-888.8" and the like.
constexpr std::string_view kWidestValue = "-0000.0";

std::string valueText(float value, TemperatureUnit unit) {
    return FormatTemperature(value, false) + UnitText(unit);
}

// The legend stands at the right of the title line, read from left to right.
void legend(const GroupSetting& group, TemperatureUnit unit, double right, Drawing& out) {
    struct Item {
        std::string text;
        Colour ink;
    };
    std::vector<Item> items = {{"上限 " + valueText(group.alarmHigh, unit), kHighInk},
                               {"下限 " + valueText(group.alarmLow, unit), kLowInk}};
    if (UsableCount(group) > 0) {
        items.push_back({"平均 " + valueText(group.average, unit), kPointInk});
    }
    double x = right;
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        out.shapes.emplace_back(
            Text{{x, kTitleBaseline}, it->text, it->ink, kFontSize, Anchor::End});
        x -= TextWidth(it->text, kFontSize) + kFontSize;
    }
}

} // namespace

GroupChart LayoutGroupChart(const DataSet& data, int g, TemperatureUnit unit, double width,
                            double height) {
    GroupChart chart;
    chart.drawing.width = width;
    chart.drawing.height = height;
    const GroupSetting& group = data.group(g);
    std::string title = GroupCaption(g);
    for (const std::string* part : {&group.tag, &group.target}) {
        if (!part->empty()) {
            title += "  " + *part;
        }
    }
    chart.drawing.shapes.emplace_back(
        Text{{kMargin, kTitleBaseline}, title, kInk, kFontSize, Anchor::Start});
    bool readings = UsableCount(group) > 0;
    if (readings) {
        legend(group, unit, width - kMargin, chart.drawing);
    }
    double left = kMargin + TextWidth(kWidestValue, kFontSize) + 4;
    chart.drawing.shapes.emplace_back(
        Text{{left - 4, kUnitBaseline}, UnitText(unit), kInk, kFontSize, Anchor::End});
    Rect plot{left, kPlotTop, width - left - 2 * kMargin, height - kPlotTop - kTimeAxisHeight};
    chart.readings = PlotReadings(group, plot, PlotStyle{}, chart.drawing);
    return chart;
}

std::string ReadingCaption(const GroupSetting& group, int no, TemperatureUnit unit) {
    if (no < 1 || static_cast<std::size_t>(no) > UsableCount(group)) {
        return {};
    }
    MemoryRecord record = RecordAt(group, no);
    std::string caption = "収録No. " + std::to_string(no) + "\n" + FormatTimestamp(record.takenAt) +
                          "\n" + valueText(record.value, unit);
    if (record.alarmMark != AlarmMark::None) {
        caption += "  " + AlarmMarkText(record.alarmMark);
    }
    if (!record.remark.empty()) {
        caption += "\n" + record.remark;
    }
    return caption;
}

} // namespace vestra::chart
