#pragma once

#include "base/DateTime.h"
#include "data/DataSet.h"

#include <string>
#include <string_view>

namespace vestra::history {

// How values are written into the database and read back. Date-times are
// "YYYY-MM-DD hh:mm:ss", which sorts as time does; values are the shortest text that reads
// back as the same 32-bit float. They are read back by the checks of StoredValue.
std::string SqlTime(const DateTime& t);
std::string SqlFloat(float value);
std::string SqlAlarm(AlarmMark mark);

// "(?, ?, ?), (?, ?, ?)" for rows rows of columns values each.
std::string ValueRows(int rows, int columns);

// "?" parameters numbered as a PostgreSQL server wants them: $1, $2, ...
std::string NumberedParameters(std::string_view sql);

} // namespace vestra::history
