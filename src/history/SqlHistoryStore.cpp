#include "history/SqlHistoryStore.h"

#include "history/ContentHash.h"
#include "history/SqlText.h"

#include <algorithm>
#include <map>
#include <utility>

namespace vestra::history {
namespace {

std::string number(long long n) {
    return std::to_string(n);
}

// The readings of a group as the database holds them: recordCount cut to what was read.
int readingCount(const GroupSetting& g) {
    return static_cast<int>(UsableCount(g));
}

std::pair<std::string, std::string> timeSpan(const GroupSetting& g) {
    if (readingCount(g) == 0) {
        return {"", ""};
    }
    auto span = std::minmax_element(
        g.recordTimes.begin(), g.recordTimes.begin() + readingCount(g),
        [](const DateTime& a, const DateTime& b) { return SqlTime(a) < SqlTime(b); });
    return {SqlTime(*span.first), SqlTime(*span.second)};
}

HistoryReading readingOf(const SqlRow& row) {
    HistoryReading r;
    r.sourceFile = row[0];
    r.clock = TimeFromSql(row[1]);
    r.subject = row[2];
    r.label = row[3];
    r.unit = row[4];
    r.group = std::stoi(row[5]);
    r.tag = row[6];
    r.object = row[7];
    r.measurer = row[8];
    r.alarmHigh = FloatFromSql(row[9]);
    r.alarmLow = FloatFromSql(row[10]);
    r.number = std::stoi(row[11]);
    r.takenAt = TimeFromSql(row[12]);
    r.value = FloatFromSql(row[13]);
    r.remark = row[14];
    r.alarm = AlarmFromSql(row[15]);
    return r;
}

constexpr const char* kReadingsSql =
    "SELECT d.source_file, d.clock, d.subject, d.label, d.unit, g.number, g.tag, g.object,"
    " g.measurer, g.alarm_high, g.alarm_low, r.number, r.taken_at, r.value, r.remark, r.alarm"
    " FROM group_setting g JOIN data_set d ON d.id = g.data_set_id"
    " JOIN reading r ON r.data_set_id = g.data_set_id AND r.group_number = g.number"
    " WHERE g.%KEY% = ? AND g.unit = ? AND g.record_count > 0"
    " ORDER BY r.taken_at, d.clock, d.id, g.number, r.number";

std::string readingsSql(HistoryKey key) {
    std::string sql = kReadingsSql;
    sql.replace(sql.find("%KEY%"), 5, key == HistoryKey::Tag ? "tag" : "object");
    return sql;
}

} // namespace

SqlHistoryStore::SqlHistoryStore(std::unique_ptr<SqlConnection> connection)
    : connection_(std::move(connection)) {}

bool SqlHistoryStore::add(const DataSet& data, std::string_view unit, const std::string& sourceFile,
                          AddOutcome& outcome, std::string& reason) {
    std::string hash = ContentHash(data, unit);
    try {
        connection_->beginWrite();
        auto found = connection_->query("SELECT id FROM data_set WHERE content_hash = ?", {hash});
        if (found.empty()) {
            insertReadings(insertDataSet(data, unit, sourceFile, hash), data);
            outcome = AddOutcome::New;
        } else {
            bool changed = updateAnnotations(found[0][0], data, sourceFile);
            outcome = changed ? AddOutcome::Updated : AddOutcome::Unchanged;
        }
        connection_->commit();
        return true;
    } catch (const SqlError& e) {
        connection_->rollback();
        reason = e.what();
        return false;
    }
}

std::string SqlHistoryStore::insertDataSet(const DataSet& data, std::string_view unit,
                                           const std::string& sourceFile, const std::string& hash) {
    auto rows = connection_->query(
        "INSERT INTO data_set (content_hash, label, clock, subject, unit, source_file,"
        " total_count) VALUES (?, ?, ?, ?, ?, ?, ?) RETURNING id",
        {hash, data.deviceLabel, SqlTime(data.importedAt), data.subject, std::string(unit),
         sourceFile, number(data.totalCount)});
    std::string id = rows.at(0).at(0);
    insertGroups(id, data, unit);
    return id;
}

void SqlHistoryStore::insertGroups(const std::string& id, const DataSet& data,
                                   std::string_view unit) {
    std::vector<std::string> values;
    for (int g = 1; g <= kGroupCount; ++g) {
        const GroupSetting& group = data.group(g);
        auto [first, last] = timeSpan(group);
        values.insert(values.end(),
                      {id, number(g), group.tag, group.target, std::string(unit), group.measurer,
                       SqlFloat(group.emissivity), SqlFloat(group.alarmHigh),
                       SqlFloat(group.alarmLow), number(readingCount(group)), first, last});
    }
    connection_->query("INSERT INTO group_setting (data_set_id, number, tag, object, unit,"
                       " measurer, emissivity, alarm_high, alarm_low, record_count, first_time,"
                       " last_time) VALUES " +
                           ValueRows(kGroupCount, 12),
                       values);
}

// All readings of a data set in one statement: one round trip to a server, one prepared
// statement per count for the embedded database.
void SqlHistoryStore::insertReadings(const std::string& id, const DataSet& data) {
    std::vector<std::string> values;
    int rows = 0;
    for (int g = 1; g <= kGroupCount; ++g) {
        const GroupSetting& group = data.group(g);
        for (int k = 1; k <= readingCount(group); ++k) {
            MemoryRecord r = RecordAt(group, k);
            values.insert(values.end(), {id, number(g), number(k), SqlTime(r.takenAt),
                                         SqlFloat(r.value), r.remark, SqlAlarm(r.alarmMark)});
            ++rows;
        }
    }
    if (rows == 0) {
        return;
    }
    connection_->query("INSERT INTO reading (data_set_id, group_number, number, taken_at, value,"
                       " remark, alarm) VALUES " +
                           ValueRows(rows, 7),
                       values);
}

// The source file follows the newest copy that has one; a copy without a file (straight from
// the thermometer, or a CSV) keeps the known one.
bool SqlHistoryStore::updateAnnotations(const std::string& id, const DataSet& data,
                                        const std::string& sourceFile) {
    auto stored =
        connection_->query("SELECT subject, source_file FROM data_set WHERE id = ?", {id});
    bool changed = stored.at(0).at(0) != data.subject;
    changed = updateGroupAnnotations(id, data) || changed;
    changed = updateRemarks(id, data) || changed;
    if (changed) {
        connection_->query("UPDATE data_set SET subject = ? WHERE id = ?", {data.subject, id});
    }
    if (!sourceFile.empty() && sourceFile != stored.at(0).at(1)) {
        connection_->query("UPDATE data_set SET source_file = ? WHERE id = ?", {sourceFile, id});
    }
    return changed;
}

bool SqlHistoryStore::updateGroupAnnotations(const std::string& id, const DataSet& data) {
    bool changed = false;
    auto rows = connection_->query(
        "SELECT number, object, measurer FROM group_setting WHERE data_set_id = ?", {id});
    for (const SqlRow& row : rows) {
        const GroupSetting& group = data.group(std::stoi(row[0]));
        if (row[1] != group.target || row[2] != group.measurer) {
            connection_->query("UPDATE group_setting SET object = ?, measurer = ?"
                               " WHERE data_set_id = ? AND number = ?",
                               {group.target, group.measurer, id, row[0]});
            changed = true;
        }
    }
    return changed;
}

bool SqlHistoryStore::updateRemarks(const std::string& id, const DataSet& data) {
    bool changed = false;
    auto rows = connection_->query(
        "SELECT group_number, number, remark FROM reading WHERE data_set_id = ?", {id});
    for (const SqlRow& row : rows) {
        const GroupSetting& group = data.group(std::stoi(row[0]));
        MemoryRecord r = RecordAt(group, std::stoi(row[1]));
        if (row[2] != r.remark) {
            connection_->query("UPDATE reading SET remark = ?"
                               " WHERE data_set_id = ? AND group_number = ? AND number = ?",
                               {r.remark, id, row[0], row[1]});
            changed = true;
        }
    }
    return changed;
}

bool SqlHistoryStore::tags(std::vector<TagSummary>& tags, std::string& reason) {
    try {
        auto rows = connection_->query(
            "SELECT tag, object, unit, sum(record_count), min(first_time), max(last_time)"
            " FROM group_setting WHERE record_count > 0 GROUP BY tag, object, unit"
            " ORDER BY tag, object, unit");
        tags.clear();
        for (const SqlRow& row : rows) {
            tags.push_back({row[0], row[1], row[2], std::stoll(row[3]), TimeFromSql(row[4]),
                            TimeFromSql(row[5])});
        }
        return true;
    } catch (const SqlError& e) {
        reason = e.what();
        return false;
    }
}

bool SqlHistoryStore::readings(const HistoryQuery& query, std::vector<HistoryReading>& readings,
                               std::string& reason) {
    try {
        auto rows = connection_->query(readingsSql(query.key), {query.name, query.unit});
        readings.clear();
        readings.reserve(rows.size());
        for (const SqlRow& row : rows) {
            readings.push_back(readingOf(row));
        }
        return true;
    } catch (const SqlError& e) {
        reason = e.what();
        return false;
    }
}

} // namespace vestra::history
