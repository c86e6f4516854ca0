#include "history/HistoryJson.h"

#include "base/JsonText.h"

namespace vestra::history {

using json = nlohmann::ordered_json;

std::string TagsJson(const std::vector<TagSummary>& tags) {
    json document = JsonDocument("tags");
    document["tags"] = json::array();
    for (const TagSummary& t : tags) {
        document["tags"].push_back({{"tag", t.tag},
                                    {"object", t.object},
                                    {"unit", UnitLetter(t.unit)},
                                    {"readings", t.readings},
                                    {"first", IsoDateTime(t.first)},
                                    {"last", IsoDateTime(t.last)}});
    }
    return JsonText(document);
}

std::string HistoryReadingsJson(const std::vector<HistoryReading>& readings, TemperatureUnit unit) {
    json document = JsonDocument("history-readings");
    document["unit"] = UnitLetter(unit);
    document["readings"] = json::array();
    for (const HistoryReading& r : readings) {
        document["readings"].push_back({{"tag", r.tag},
                                        {"object", r.object},
                                        {"measurer", r.measurer},
                                        {"time", IsoDateTime(r.takenAt)},
                                        {"value", JsonFloat(r.value)},
                                        {"alarm", AlarmMarkText(r.alarm)},
                                        {"alarmHigh", JsonFloat(r.alarmHigh)},
                                        {"alarmLow", JsonFloat(r.alarmLow)},
                                        {"remark", r.remark},
                                        {"group", r.group},
                                        {"number", r.number},
                                        {"subject", r.subject},
                                        {"clock", IsoDateTime(r.clock)},
                                        {"label", r.label},
                                        {"source", r.sourceFile}});
    }
    return JsonText(document);
}

} // namespace vestra::history
