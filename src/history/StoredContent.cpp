#include "history/StoredContent.h"

#include "data/GroupStatistics.h"
#include "history/StoredValue.h"

namespace vestra::history {
namespace {

void readHeader(SqlConnection& connection, const std::string& id, DataSet& data) {
    auto row = connection
                   .query("SELECT label, clock, subject, total_count FROM data_set"
                          " WHERE id = ?",
                          {id})
                   .at(0);
    StoredRow where{"data_set", id};
    data.deviceLabel = row[0];
    data.importedAt = StoredTime(where, "clock", row[1]);
    data.subject = row[2];
    data.totalCount =
        static_cast<std::int16_t>(StoredInteger(where, "total_count", row[3], 0, kMaxReadings));
}

void readGroups(SqlConnection& connection, const std::string& id, DataSet& data) {
    auto rows = connection.query("SELECT number, tag, object, measurer, emissivity, alarm_high,"
                                 " alarm_low FROM group_setting WHERE data_set_id = ?",
                                 {id});
    for (const SqlRow& row : rows) {
        StoredRow where{"group_setting", id + "/" + row[0]};
        GroupSetting& g = data.group(StoredGroup(where, "number", row[0]));
        g.tag = row[1];
        g.target = row[2];
        g.measurer = row[3];
        g.emissivity = StoredFloat(where, "emissivity", row[4]);
        g.alarmHigh = StoredFloat(where, "alarm_high", row[5]);
        g.alarmLow = StoredFloat(where, "alarm_low", row[6]);
    }
}

void readReadings(SqlConnection& connection, const std::string& id, DataSet& data) {
    auto rows = connection.query("SELECT group_number, number, taken_at, value, remark"
                                 " FROM reading WHERE data_set_id = ?"
                                 " ORDER BY group_number, number",
                                 {id});
    for (const SqlRow& row : rows) {
        StoredRow where = ReadingRow(id, row[0], row[1]);
        GroupSetting& g = data.group(StoredGroup(where, "group_number", row[0]));
        if (g.recordValues.size() >= static_cast<std::size_t>(kMaxReadings)) {
            ThrowDamaged(where, "number", row[1], "は多すぎます");
        }
        g.recordTimes.push_back(StoredTime(where, "taken_at", row[2]));
        g.recordValues.push_back(StoredFloat(where, "value", row[3]));
        g.remarks.push_back(row[4]);
    }
    for (GroupSetting& g : data.groups) {
        g.recordCount = static_cast<std::int16_t>(g.recordValues.size());
        GroupStatistics stats = ComputeStatistics(g.recordValues);
        g.maxIndex = stats.maxIndex;
        g.minIndex = stats.minIndex;
        g.average = stats.average;
    }
}

} // namespace

void ReadStoredContent(SqlConnection& connection, long long id, DataSet& data) {
    std::string key = std::to_string(id);
    readHeader(connection, key, data);
    readGroups(connection, key, data);
    readReadings(connection, key, data);
}

} // namespace vestra::history
