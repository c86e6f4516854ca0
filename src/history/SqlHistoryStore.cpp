#include "history/SqlHistoryStore.h"

#include "history/ContentHash.h"
#include "history/SqlText.h"
#include "history/StoredContent.h"
#include "history/StoredValue.h"

#include <algorithm>
#include <limits>
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
    StoredRow dataSet{"data_set", row[16]};
    StoredRow group{"group_setting", row[16] + "/" + row[5]};
    StoredRow reading = ReadingRow(row[16], row[5], row[11]);
    HistoryReading r;
    r.dataSet = StoredInteger(dataSet, "id", row[16], 1, std::numeric_limits<long long>::max());
    r.sourceFile = row[0];
    r.clock = StoredTime(dataSet, "clock", row[1]);
    r.subject = row[2];
    r.label = row[3];
    r.unit = StoredUnit(group, "unit", row[4]);
    r.group = StoredGroup(group, "number", row[5]);
    r.tag = row[6];
    r.object = row[7];
    r.measurer = row[8];
    r.alarmHigh = StoredFloat(group, "alarm_high", row[9]);
    r.alarmLow = StoredFloat(group, "alarm_low", row[10]);
    r.number = StoredReadingNumber(reading, "number", row[11]);
    r.takenAt = StoredTime(reading, "taken_at", row[12]);
    r.value = StoredFloat(reading, "value", row[13]);
    r.remark = row[14];
    r.alarm = StoredAlarm(reading, "alarm", row[15]);
    return r;
}

constexpr const char* kReadingsSql =
    "SELECT d.source_file, d.clock, d.subject, d.label, g.unit, g.number, g.tag, g.object,"
    " g.measurer, g.alarm_high, g.alarm_low, r.number, r.taken_at, r.value, r.remark, r.alarm,"
    " d.id"
    " FROM group_setting g JOIN data_set d ON d.id = g.data_set_id"
    " JOIN reading r ON r.data_set_id = g.data_set_id AND r.group_number = g.number"
    " WHERE g.%KEY% = ? AND g.unit = ? AND g.record_count > 0"
    " ORDER BY r.taken_at, d.clock, d.id, g.number, r.number";

// The groups of each tag, object and unit ranked newest first from the group index, then the
// readings of the first few only.
constexpr const char* kNewestReadingsSql =
    "SELECT d.source_file, d.clock, d.subject, d.label, g.unit, g.number, g.tag, g.object,"
    " g.measurer, g.alarm_high, g.alarm_low, r.number, r.taken_at, r.value, r.remark, r.alarm,"
    " d.id"
    " FROM (SELECT data_set_id, number, row_number() OVER (PARTITION BY tag, object, unit"
    " ORDER BY last_time DESC, data_set_id DESC, number DESC) AS place"
    " FROM group_setting WHERE record_count > 0) newest"
    " JOIN group_setting g ON g.data_set_id = newest.data_set_id AND g.number = newest.number"
    " JOIN data_set d ON d.id = g.data_set_id"
    " JOIN reading r ON r.data_set_id = g.data_set_id AND r.group_number = g.number"
    " WHERE newest.place <= %PLACES%"
    " ORDER BY g.tag, g.object, g.unit, r.taken_at, d.clock, d.id, g.number, r.number";

std::string readingsSql(HistoryKey key) {
    std::string sql = kReadingsSql;
    sql.replace(sql.find("%KEY%"), 5, key == HistoryKey::Tag ? "tag" : "object");
    return sql;
}

// The readings a statement of kReadingsSql's columns selects.
std::vector<HistoryReading> readReadings(SqlConnection& connection, const std::string& sql,
                                         const std::vector<std::string>& parameters) {
    auto rows = connection.query(sql, parameters);
    std::vector<HistoryReading> readings;
    readings.reserve(rows.size());
    for (const SqlRow& row : rows) {
        readings.push_back(readingOf(row));
    }
    return readings;
}

// What read gives, or the failure of the SQL code (SqlError, DamagedDatabase) as the store's
// error: the exceptions of the SQL code end here.
template <typename Read> auto answer(Read read) -> Expected<decltype(read())> {
    try {
        return read();
    } catch (const SqlError& e) {
        return unexpected(Error{e.what()});
    }
}

constexpr long long kLargestKey = std::numeric_limits<long long>::max();

// Each data set's readings are the sum of its groups' counts, read from the group index.
constexpr const char* kDataSetsSql =
    "SELECT d.id, d.clock, d.label, d.subject, d.unit, d.source_file,"
    " coalesce((SELECT sum(g.record_count) FROM group_setting g WHERE g.data_set_id = d.id), 0)"
    " FROM data_set d";

DataSetSummary summaryOf(const SqlRow& row) {
    StoredRow where{"data_set", row[0]};
    return {StoredInteger(where, "id", row[0], 1, kLargestKey),
            StoredTime(where, "clock", row[1]),
            row[2],
            row[3],
            StoredUnit(where, "unit", row[4]),
            row[5],
            StoredInteger(where, "record_count", row[6], 0, kGroupCount * kMaxReadings)};
}

} // namespace

SqlHistoryStore::SqlHistoryStore(std::unique_ptr<SqlConnection> connection)
    : connection_(std::move(connection)) {}

Expected<AddOutcome> SqlHistoryStore::add(const DataSet& data, TemperatureUnit unit,
                                          const std::string& sourceFile) {
    Expected<AddOutcome> outcome = answer([&] { return store(data, unit, sourceFile); });
    if (!outcome) {
        connection_->rollback();
    }
    return outcome;
}

AddOutcome SqlHistoryStore::store(const DataSet& data, TemperatureUnit unit,
                                  const std::string& sourceFile) {
    std::string hash = ContentHash(data, unit);
    connection_->beginWrite();
    std::optional<std::string> id = storedId(hash);
    if (!id) {
        if (std::optional<std::string> inserted = insertDataSet(data, unit, sourceFile, hash)) {
            insertGroups(*inserted, data, unit);
            insertReadings(*inserted, data);
            connection_->commit();
            return AddOutcome::New;
        }
        // Another program stored it between the look-up and the insert (a server does not
        // hold the table for one writer): its copy is the stored one.
        id = storedId(hash);
        if (!id) {
            throw SqlError("the data set was stored and removed by another program meanwhile");
        }
    }
    bool changed = updateAnnotations(*id, data, sourceFile);
    connection_->commit();
    return changed ? AddOutcome::Updated : AddOutcome::Unchanged;
}

std::optional<std::string> SqlHistoryStore::storedId(const std::string& hash) {
    auto found = connection_->query("SELECT id FROM data_set WHERE content_hash = ?", {hash});
    return found.empty() ? std::nullopt : std::optional(found.front().at(0));
}

std::optional<std::string> SqlHistoryStore::insertDataSet(const DataSet& data, TemperatureUnit unit,
                                                          const std::string& sourceFile,
                                                          const std::string& hash) {
    auto rows = connection_->query(
        "INSERT INTO data_set (content_hash, label, clock, subject, unit, source_file,"
        " total_count) VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT (content_hash) DO NOTHING"
        " RETURNING id",
        {hash, data.deviceLabel, SqlTime(data.importedAt), data.subject, UnitText(unit), sourceFile,
         number(data.totalCount)});
    return rows.empty() ? std::nullopt : std::optional(rows.front().at(0));
}

void SqlHistoryStore::insertGroups(const std::string& id, const DataSet& data,
                                   TemperatureUnit unit) {
    std::vector<std::string> values;
    for (int g = 1; g <= kGroupCount; ++g) {
        const GroupSetting& group = data.group(g);
        auto [first, last] = timeSpan(group);
        values.insert(values.end(),
                      {id, number(g), group.tag, group.target, UnitText(unit), group.measurer,
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
        const GroupSetting& group =
            data.group(StoredGroup({"group_setting", id + "/" + row[0]}, "number", row[0]));
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
        StoredRow where = ReadingRow(id, row[0], row[1]);
        const GroupSetting& group = data.group(StoredGroup(where, "group_number", row[0]));
        // The stored data set has the same content hash: its readings are the new copy's.
        MemoryRecord r = RecordAt(group, static_cast<int>(StoredInteger(where, "number", row[1], 1,
                                                                        readingCount(group))));
        if (row[2] != r.remark) {
            connection_->query("UPDATE reading SET remark = ?"
                               " WHERE data_set_id = ? AND group_number = ? AND number = ?",
                               {r.remark, id, row[0], row[1]});
            changed = true;
        }
    }
    return changed;
}

// The list of tags and the list of data sets add up the groups' counts; one count out of range
// would make the sum meaningless (or too large to add), so the groups are checked first.
void SqlHistoryStore::checkReadingCounts() {
    auto wrong = connection_->query(
        "SELECT data_set_id, number, record_count FROM group_setting WHERE record_count IS NULL"
        " OR NOT (record_count BETWEEN 0 AND " +
        number(kMaxReadings) + ") LIMIT 1");
    if (!wrong.empty()) {
        StoredRow row{"group_setting", wrong[0][0] + "/" + wrong[0][1]};
        StoredInteger(row, "record_count", wrong[0][2], 0, kMaxReadings);
        // A blob holding digits reads as a number here but is none to the database.
        ThrowDamaged(row, "record_count", wrong[0][2], "は整数ではありません");
    }
}

Expected<std::vector<TagSummary>> SqlHistoryStore::tags() {
    return answer([this] { return readTags(); });
}

std::vector<TagSummary> SqlHistoryStore::readTags() {
    checkReadingCounts();
    auto rows = connection_->query(
        "SELECT tag, object, unit, sum(record_count), min(first_time), max(last_time)"
        " FROM group_setting WHERE record_count > 0 GROUP BY tag, object, unit"
        " ORDER BY tag, object, unit");
    std::vector<TagSummary> tags;
    for (const SqlRow& row : rows) {
        // The sum of the group rows of one tag, object and unit, each of them counted.
        StoredRow where{"group_setting", "tag " + row[0] + "/" + row[1] + "/" + row[2]};
        tags.push_back(
            {row[0], row[1], StoredUnit(where, "unit", row[2]),
             StoredInteger(where, "record_count", row[3], 1, std::numeric_limits<long long>::max()),
             StoredTime(where, "first_time", row[4]), StoredTime(where, "last_time", row[5])});
    }
    return tags;
}

Expected<std::string> SqlHistoryStore::revision() {
    return answer([this] {
        auto rows = connection_->query("SELECT count(*), coalesce(max(id), 0) FROM data_set");
        return rows.at(0).at(0) + " " + rows.at(0).at(1);
    });
}

Expected<std::vector<HistoryReading>> SqlHistoryStore::newestReadings(int groupsPerLine) {
    // A number of our own, never text from outside: written into the statement, so that both
    // databases compare it as a number.
    std::string sql = kNewestReadingsSql;
    sql.replace(sql.find("%PLACES%"), 8, std::to_string(std::max(groupsPerLine, 1)));
    return answer([&] { return readReadings(*connection_, sql, {}); });
}

Expected<std::vector<HistoryReading>> SqlHistoryStore::readings(const HistoryQuery& query) {
    return answer([&] {
        return readReadings(*connection_, readingsSql(query.key),
                            {query.name, UnitText(query.unit)});
    });
}

Expected<DataSetPage> SqlHistoryStore::dataSets(long long offset, long long limit) {
    return answer([&] { return readDataSets(offset, limit); });
}

DataSetPage SqlHistoryStore::readDataSets(long long offset, long long limit) {
    checkReadingCounts();
    DataSetPage page;
    page.total = StoredInteger({"data_set", "count"}, "id",
                               connection_->query("SELECT count(*) FROM data_set").at(0).at(0), 0,
                               kLargestKey);
    // The numbers are the caller's integers, written into the statement since neither
    // database takes a text parameter for LIMIT in every version.
    auto rows = connection_->query(
        std::string(kDataSetsSql) + " ORDER BY d.clock DESC, d.id DESC LIMIT " +
        number(std::max(0LL, limit)) + " OFFSET " + number(std::max(0LL, offset)));
    for (const SqlRow& row : rows) {
        page.list.push_back(summaryOf(row));
    }
    return page;
}

Expected<std::optional<StoredDataSet>> SqlHistoryStore::dataSet(long long id) {
    return answer([&] { return readDataSet(id); });
}

std::optional<StoredDataSet> SqlHistoryStore::readDataSet(long long id) {
    checkReadingCounts();
    auto rows = connection_->query(std::string(kDataSetsSql) + " WHERE d.id = ?", {number(id)});
    if (rows.empty()) {
        return std::nullopt;
    }
    StoredDataSet stored;
    stored.summary = summaryOf(rows.front());
    ReadStoredContent(*connection_, id, stored.data);
    return stored;
}

} // namespace vestra::history
