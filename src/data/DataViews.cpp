#include "data/DataViews.h"

#include "data/TableLayout.h"
#include "data/ValueFormat.h"

namespace vestra {
namespace {

constexpr int kPaddedValueWidth = 5;
constexpr const char* kNoValue = " --.-";
constexpr const char* kNoEmissivity = "-.--";

// A count the way the status texts write it: non-negative numbers get a leading blank.
std::string signedCount(int n) {
    return (n >= 0 ? " " : "") + std::to_string(n);
}

std::string paddedValue(float x, TemperatureUnit unit) {
    return PadLeft(FormatTemperature(x, false), kPaddedValueWidth) + UnitText(unit);
}

std::string readingAt(const GroupSetting& g, int k, TemperatureUnit unit) {
    MemoryRecord r = RecordAt(g, k);
    return FormatTimestamp(r.takenAt) + "  " + paddedValue(r.value, unit);
}

// Readings the group really holds; a count larger than its sequences is never trusted.
int readingCount(const GroupSetting& g) {
    auto held = std::min(g.recordTimes.size(), g.recordValues.size());
    return std::max(0, std::min<int>(g.recordCount, static_cast<int>(held)));
}

void fillSummaryRow(TableView& table, int row, const GroupSetting& g, bool hasData) {
    table.setText(row, 1, hasData ? g.tag : std::string(kNone));
    table.setText(row, 2, std::to_string(g.recordCount));
    int n = readingCount(g);
    if (n == 0) {
        return;
    }
    table.setText(row, 3, FormatTimestamp(RecordAt(g, 1).takenAt));
    table.setText(row, 4, FormatTimestamp(RecordAt(g, n).takenAt));
    table.setText(row, 5, FormatTemperature(RecordAt(g, g.maxIndex).value, false));
    table.setText(row, 6, FormatTemperature(RecordAt(g, g.minIndex).value, false));
}

std::string summaryStatus(const DataSet& data, bool hasData) {
    if (data.totalCount != 0) {
        return "本体から取り込まれたﾃﾞｰﾀは、全部で" + signedCount(data.totalCount) + "件です。";
    }
    return hasData ? "本体に収録されているﾃﾞｰﾀはありません。" : "";
}

void fillSettings(GroupView& view, const GroupSetting& g, bool hasData, TemperatureUnit unit) {
    if (!hasData) {
        view.tag = kNone;
        view.emissivity = std::string(kNoEmissivity) + " ";
        view.alarmHigh = kNoValue + UnitText(unit);
        view.alarmLow = view.alarmHigh;
        return;
    }
    view.tag = g.tag;
    view.emissivity = FormatEmissivity(g.emissivity, false) + " ";
    view.alarmHigh = paddedValue(g.alarmHigh, unit);
    view.alarmLow = paddedValue(g.alarmLow, unit);
}

void fillReadingRow(TableView& table, const GroupSetting& g, int k) {
    MemoryRecord r = RecordAt(g, k);
    table.setText(k, 0, std::to_string(k));
    table.setText(k, 1, FormatTimestamp(r.takenAt));
    table.setText(k, 2, FormatTemperature(r.value, false));
    TableCell& mark = table.cell(k, 3);
    if (r.alarmMark == AlarmMark::High) {
        mark = {"  high", CellColour::AlarmHigh};
    } else if (r.alarmMark == AlarmMark::Low) {
        mark = {"  low", CellColour::AlarmLow};
    }
    table.setText(k, kRemarkColumn, r.remark);
}

} // namespace

SummaryView ShowSummary(const DataSet& data, bool hasData, TemperatureUnit unit) {
    SummaryView view;
    view.table = EmptySummaryTable(unit);
    view.editable = hasData;
    view.subject = hasData ? data.subject : std::string(kNoSubject);
    view.deviceLabel = hasData ? data.deviceLabel : std::string(kNone);
    view.importedAt = FormatTimestampSeconds(data.importedAt);
    for (int g = 1; g <= kGroupCount; ++g) {
        fillSummaryRow(view.table, g, data.group(g), hasData);
    }
    view.memoryStatus = summaryStatus(data, hasData);
    return view;
}

GroupView ShowGroup(const DataSet& data, bool hasData, int g, TemperatureUnit unit) {
    const GroupSetting& group = data.group(g);
    int n = readingCount(group);
    GroupView view;
    view.caption = GroupCaption(g);
    view.table = EmptyDetailTable(unit);
    fillSettings(view, group, hasData || n > 0, unit);
    view.count = FormatCount(static_cast<std::int16_t>(n), true);
    if (n == 0) {
        view.maximum = view.minimum = view.average = kNoValue + UnitText(unit);
        view.target = kNoTarget;
        view.measurer = kNoMeasurer;
    } else {
        view.maximum = readingAt(group, group.maxIndex, unit);
        view.minimum = readingAt(group, group.minIndex, unit);
        view.average = paddedValue(group.average, unit);
        view.target = group.target;
        view.measurer = group.measurer;
        view.editable = true;
    }
    if (n > kVisibleTableRows - 1) {
        view.table.rows.resize(static_cast<std::size_t>(n + 1),
                               std::vector<TableCell>(view.table.columnCount()));
        view.table.verticalScrollBar = true;
    }
    for (int k = 1; k <= n; ++k) {
        fillReadingRow(view.table, group, k);
    }
    view.memoryStatus = n != 0 ? signedCount(n) + "件のﾃﾞｰﾀがあります。" : "ﾃﾞｰﾀはありません。";
    return view;
}

std::string GroupNodeText(int g) {
    return "ｸﾞﾙｰﾌﾟ" + std::to_string(g);
}

std::string GroupCaption(int g) {
    static constexpr const char* kWideDigits[] = {"０", "１", "２", "３", "４",
                                                  "５", "６", "７", "８", "９"};
    std::string caption = "グループ";
    for (char digit : std::to_string(g)) {
        caption += kWideDigits[digit - '0'];
    }
    return caption;
}

} // namespace vestra
