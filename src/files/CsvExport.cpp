#include "data/ValueFormat.h"
#include "files/Export.h"
#include "files/ExportStatistics.h"

#include <array>

namespace vestra {
namespace {

using Fields = std::array<std::string, 5>;

// Every field is quoted; a quote inside free text is doubled so the field stays one field.
std::string quoted(const std::string& field) {
    std::string out = "\"";
    for (char c : field) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

std::string csvLine(const Fields& fields) {
    return CsvLine({fields.begin(), fields.end()});
}

void appendReadings(std::vector<std::string>& lines, const GroupSetting& group,
                    TemperatureUnit unit) {
    lines.push_back(
        csvLine({"収録No.", "収録日時", "データ(" + UnitText(unit) + ")", "警報", "備考"}));
    auto count = static_cast<int>(UsableCount(group));
    for (int k = 1; k <= count; ++k) {
        MemoryRecord r = RecordAt(group, k);
        lines.push_back(
            csvLine({FormatCount(static_cast<std::int16_t>(k), false), FormatTimestamp(r.takenAt),
                     FormatTemperature(r.value, false), AlarmMarkText(r.alarmMark), r.remark}));
    }
    MemoryRecord max = MaximumRecord(group);
    MemoryRecord min = MinimumRecord(group);
    lines.push_back(csvLine(
        {"最大値", FormatTimestamp(max.takenAt), FormatTemperature(max.value, false), "", ""}));
    lines.push_back(csvLine(
        {"最小値", FormatTimestamp(min.takenAt), FormatTemperature(min.value, false), "", ""}));
    lines.push_back(csvLine({"平均値", "", FormatTemperature(group.average, false), "", ""}));
}

void appendGroup(std::vector<std::string>& lines, int g, const GroupSetting& group,
                 TemperatureUnit unit) {
    lines.push_back(csvLine({}));
    lines.push_back(csvLine({"ｸﾞﾙｰﾌﾟNo.", FormatCount(static_cast<std::int16_t>(g), false)}));
    lines.push_back(csvLine({"対象物", group.target}));
    lines.push_back(csvLine({"測定者", group.measurer}));
    lines.push_back(csvLine({"ﾀｸﾞ", group.tag}));
    lines.push_back(csvLine({"放射率", FormatEmissivity(group.emissivity, false)}));
    lines.push_back(csvLine({"上限値", FormatTemperature(group.alarmHigh, false)}));
    lines.push_back(csvLine({"下限値", FormatTemperature(group.alarmLow, false)}));
    lines.push_back(csvLine({"収録数", FormatCount(group.recordCount, false)}));
    if (UsableCount(group) > 0) {
        appendReadings(lines, group, unit);
    }
}

} // namespace

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& field : fields) {
        line += (line.empty() ? "" : ",") + quoted(field);
    }
    return line;
}

std::vector<std::string> CsvLines(const DataSet& data, TemperatureUnit unit) {
    std::vector<std::string> lines;
    lines.push_back(csvLine({"件名", data.subject}));
    lines.push_back(csvLine({"日時", FormatTimestamp(data.importedAt)}));
    lines.push_back(csvLine({"本体ﾗﾍﾞﾙ", data.deviceLabel}));
    lines.push_back(csvLine({"測定単位", UnitText(unit)}));
    lines.push_back(csvLine({"全収録数", FormatCount(data.totalCount, false)}));
    for (int g = 1; g <= kGroupCount; ++g) {
        appendGroup(lines, g, data.group(g), unit);
    }
    return lines;
}

} // namespace vestra
