#include "web/WebJson.h"

#include "base/JsonText.h"

namespace vestra::web {

using json = nlohmann::ordered_json;

std::string OverviewJson(const std::vector<OverviewRow>& rows, float rise) {
    json document = JsonDocument("overview");
    document["rise"] = JsonFloat(rise);
    document["tags"] = json::array();
    for (const OverviewRow& row : rows) {
        json trend = json::array();
        for (float value : row.trend) {
            trend.push_back(JsonFloat(value));
        }
        const history::HistoryReading& newest = row.newest;
        document["tags"].push_back({{"tag", row.summary.tag},
                                    {"object", row.summary.object},
                                    {"unit", UnitLetter(row.summary.unit)},
                                    {"readings", row.summary.readings},
                                    {"first", IsoDateTime(row.summary.first)},
                                    {"last", IsoDateTime(row.summary.last)},
                                    {"time", IsoDateTime(newest.takenAt)},
                                    {"value", JsonFloat(newest.value)},
                                    {"alarm", AlarmMarkText(newest.alarm)},
                                    {"alarmHigh", JsonFloat(newest.alarmHigh)},
                                    {"alarmLow", JsonFloat(newest.alarmLow)},
                                    {"rise", row.rise ? JsonFloat(*row.rise) : json(nullptr)},
                                    {"notable", IsNotable(row, rise)},
                                    {"dataSet", newest.dataSet},
                                    {"trend", trend}});
    }
    return JsonText(document);
}

std::string DataSetsJson(const std::vector<history::DataSetSummary>& list, long long total,
                         long long offset) {
    json document = JsonDocument("data-sets");
    document["total"] = total;
    document["offset"] = offset;
    document["dataSets"] = json::array();
    for (const history::DataSetSummary& d : list) {
        document["dataSets"].push_back({{"id", d.id},
                                        {"clock", IsoDateTime(d.clock)},
                                        {"label", d.label},
                                        {"subject", d.subject},
                                        {"unit", UnitLetter(d.unit)},
                                        {"source", d.sourceFile},
                                        {"readings", d.readings}});
    }
    return JsonText(document);
}

} // namespace vestra::web
