#pragma once

#include "base/DateTime.h"
#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "history/SqlConnection.h"

#include <string>
#include <string_view>

namespace vestra::history {

// A value in the database this program could not have written there: the database is damaged
// or was changed by another hand. The message names the table, the row and the column.
class DamagedDatabase : public SqlError {
public:
    using SqlError::SqlError;
};

// Where a value was read, for the message: a table and the row's key as text.
struct StoredRow {
    std::string_view table;
    std::string key;
};

// A reading's row named by its key: data set, group and number, as the database holds them.
inline StoredRow ReadingRow(const std::string& dataSet, const std::string& group,
                            const std::string& number) {
    return {"reading", dataSet + "/" + group + "/" + number};
}

// The message of DamagedDatabase: "履歴データベースが壊れています: TABLE 行 KEY: COLUMN 'TEXT'
// REASON".
[[noreturn]] void ThrowDamaged(const StoredRow& row, std::string_view column, std::string_view text,
                               const std::string& reason);

// Every value read from the database goes through one of these before it is used; a value of
// the wrong type or out of range throws DamagedDatabase.
long long StoredInteger(const StoredRow& row, std::string_view column, std::string_view text,
                        long long min, long long max);
float StoredFloat(const StoredRow& row, std::string_view column, std::string_view text);
DateTime StoredTime(const StoredRow& row, std::string_view column, std::string_view text);
AlarmMark StoredAlarm(const StoredRow& row, std::string_view column, std::string_view text);
TemperatureUnit StoredUnit(const StoredRow& row, std::string_view column, std::string_view text);

// A group number or a reading's number as the data model counts them.
inline int StoredGroup(const StoredRow& row, std::string_view column, std::string_view text) {
    return static_cast<int>(StoredInteger(row, column, text, 1, kGroupCount));
}
inline int StoredReadingNumber(const StoredRow& row, std::string_view column,
                               std::string_view text) {
    return static_cast<int>(StoredInteger(row, column, text, 1, kMaxReadings));
}

} // namespace vestra::history
