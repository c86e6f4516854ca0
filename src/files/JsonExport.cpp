#include "files/JsonExport.h"

#include "base/JsonText.h"
#include "files/ExportStatistics.h"

namespace vestra {
namespace {

using json = nlohmann::ordered_json;

// What the thermometer holds of a group and sends back with the settings.
json groupSettings(int g, const GroupSetting& group) {
    return {{"group", g},
            {"tag", group.tag},
            {"emissivity", JsonFloat(group.emissivity)},
            {"alarmHigh", JsonFloat(group.alarmHigh)},
            {"alarmLow", JsonFloat(group.alarmLow)}};
}

json extreme(const MemoryRecord& r) {
    return {{"number", r.no}, {"time", IsoDateTime(r.takenAt)}, {"value", JsonFloat(r.value)}};
}

// As the CSV export: statistics only for a group with readings.
json statistics(const GroupSetting& group) {
    if (UsableCount(group) == 0) {
        return nullptr;
    }
    return {{"maximum", extreme(MaximumRecord(group))},
            {"minimum", extreme(MinimumRecord(group))},
            {"average", JsonFloat(group.average)}};
}

json readings(const GroupSetting& group) {
    json list = json::array();
    auto count = static_cast<int>(UsableCount(group));
    for (int k = 1; k <= count; ++k) {
        MemoryRecord r = RecordAt(group, k);
        list.push_back({{"number", k},
                        {"time", IsoDateTime(r.takenAt)},
                        {"value", JsonFloat(r.value)},
                        {"alarm", AlarmMarkText(r.alarmMark)},
                        {"remark", r.remark}});
    }
    return list;
}

json group(int g, const GroupSetting& group) {
    json object = groupSettings(g, group);
    object["object"] = group.target;
    object["measurer"] = group.measurer;
    object["readingCount"] = group.recordCount;
    object["statistics"] = statistics(group);
    object["readings"] = readings(group);
    return object;
}

} // namespace

std::string DataSetJson(const DataSet& data, TemperatureUnit unit) {
    json document = JsonDocument("data-set");
    document["unit"] = UnitLetter(unit);
    document["label"] = data.deviceLabel;
    document["clock"] = IsoDateTime(data.importedAt);
    document["subject"] = data.subject;
    document["readingCount"] = data.totalCount;
    document["groups"] = json::array();
    for (int g = 1; g <= kGroupCount; ++g) {
        document["groups"].push_back(group(g, data.group(g)));
    }
    return JsonText(document);
}

std::string SettingsJson(const DataSet& data, TemperatureUnit unit) {
    json document = JsonDocument("settings");
    document["unit"] = UnitLetter(unit);
    document["label"] = data.deviceLabel;
    document["groups"] = json::array();
    for (int g = 1; g <= kGroupCount; ++g) {
        document["groups"].push_back(groupSettings(g, data.group(g)));
    }
    return JsonText(document);
}

std::string ClockJson(const DateTime& clock) {
    json document = JsonDocument("clock");
    document["clock"] = IsoDateTime(clock);
    return JsonText(document);
}

} // namespace vestra
