#include "history/HistoryCsv.h"

#include "data/ValueFormat.h"
#include "files/Export.h"
#include "history/SqlText.h"

namespace vestra::history {
namespace {

std::string count(int n) {
    return FormatCount(static_cast<std::int16_t>(n), false);
}

} // namespace

std::vector<std::string> HistoryCsvLines(const std::vector<HistoryReading>& readings,
                                         TemperatureUnit unit) {
    std::vector<std::string> lines;
    lines.reserve(readings.size() + 1);
    lines.push_back(CsvLine({"ﾀｸﾞ", "対象物", "測定者", "収録日時",
                             "データ(" + UnitText(unit) + ")", "警報", "上限値", "下限値", "備考",
                             "ｸﾞﾙｰﾌﾟNo.", "収録No.", "件名", "日時", "本体ﾗﾍﾞﾙ", "ﾌｧｲﾙ"}));
    for (const HistoryReading& r : readings) {
        lines.push_back(
            CsvLine({r.tag, r.object, r.measurer, FormatTimestamp(r.takenAt),
                     FormatTemperature(r.value, false), SqlAlarm(r.alarm),
                     FormatTemperature(r.alarmHigh, false), FormatTemperature(r.alarmLow, false),
                     r.remark, count(r.group), count(r.number), r.subject, FormatTimestamp(r.clock),
                     r.label, r.sourceFile}));
    }
    return lines;
}

} // namespace vestra::history
