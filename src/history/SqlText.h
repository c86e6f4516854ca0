#pragma once

#include "data/DataSet.h"
#include "shell/DateTime.h"

#include <string>
#include <string_view>

namespace vestra::history {

// How values are written into the database and read back. Date-times are
// "YYYY-MM-DD hh:mm:ss", which sorts as time does; values are the shortest text that reads
// back as the same 32-bit float.
std::string SqlTime(const DateTime& t);
DateTime TimeFromSql(std::string_view text);
std::string SqlFloat(float value);
float FloatFromSql(std::string_view text);
std::string SqlAlarm(AlarmMark mark);
AlarmMark AlarmFromSql(std::string_view text);

// "(?, ?, ?), (?, ?, ?)" for rows rows of columns values each.
std::string ValueRows(int rows, int columns);

} // namespace vestra::history
