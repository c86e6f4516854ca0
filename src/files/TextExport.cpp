#include "data/ValueFormat.h"
#include "files/Export.h"
#include "files/ExportStatistics.h"

namespace vestra {
namespace {

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

// The date-time lands in display column 12 and the value in column 32 on every reading and
// statistics line.
std::string statisticLine(const std::string& label, const std::string& when, float value) {
    return blanks(4) + label + blanks(2) + when + blanks(4) + FormatTemperature(value, true);
}

void appendReadings(std::vector<std::string>& lines, const GroupSetting& group,
                    TemperatureUnit unit) {
    lines.push_back(blanks(4) + "収録No." + blanks(5) + "収録日時" + blanks(7) + "データ(" +
                    UnitText(unit) + ")" + blanks(4) + "警報" + blanks(4) + "備考");
    auto count = static_cast<int>(UsableCount(group));
    for (int k = 1; k <= count; ++k) {
        MemoryRecord r = RecordAt(group, k);
        lines.push_back(blanks(7) + FormatCount(static_cast<std::int16_t>(k), true) + blanks(2) +
                        FormatTimestamp(r.takenAt) + blanks(4) + FormatTemperature(r.value, true) +
                        blanks(8) + AlarmMarkText(r.alarmMark, 4) + blanks(4) + r.remark);
    }
    MemoryRecord max = MaximumRecord(group);
    MemoryRecord min = MinimumRecord(group);
    lines.push_back(statisticLine("最大値", FormatTimestamp(max.takenAt), max.value));
    lines.push_back(statisticLine("最小値", FormatTimestamp(min.takenAt), min.value));
    lines.push_back(statisticLine("平均値", blanks(16), group.average));
}

void appendGroup(std::vector<std::string>& lines, int g, const GroupSetting& group,
                 TemperatureUnit unit) {
    std::string u = UnitText(unit);
    lines.emplace_back();
    lines.push_back("ｸﾞﾙｰﾌﾟ" + FormatCount(static_cast<std::int16_t>(g), false));
    lines.push_back(blanks(4) + "対象物" + blanks(2) + group.target);
    lines.push_back(blanks(4) + "測定者" + blanks(2) + group.measurer);
    lines.push_back(blanks(4) + "ﾀｸﾞ" + blanks(5) + group.tag);
    lines.push_back(blanks(4) + "放射率" + blanks(2) + FormatEmissivity(group.emissivity, true));
    lines.push_back(blanks(4) + "上限値" + blanks(2) + FormatTemperature(group.alarmHigh, true) +
                    u);
    lines.push_back(blanks(4) + "下限値" + blanks(2) + FormatTemperature(group.alarmLow, true) + u);
    lines.push_back(blanks(4) + "収録数" + blanks(2) + FormatCount(group.recordCount, false) +
                    "件");
    if (UsableCount(group) > 0) {
        appendReadings(lines, group, unit);
    }
}

} // namespace

std::vector<std::string> TextReportLines(const DataSet& data, TemperatureUnit unit) {
    std::vector<std::string> lines;
    lines.push_back("件名" + blanks(8) + data.subject);
    lines.push_back("日時" + blanks(8) + FormatTimestampSeconds(data.importedAt));
    lines.push_back("本体ﾗﾍﾞﾙ" + blanks(4) + data.deviceLabel);
    lines.push_back("測定単位" + blanks(4) + UnitText(unit));
    lines.push_back("全収録数" + blanks(4) + FormatCount(data.totalCount, false) + "件");
    for (int g = 1; g <= kGroupCount; ++g) {
        appendGroup(lines, g, data.group(g), unit);
    }
    return lines;
}

} // namespace vestra
