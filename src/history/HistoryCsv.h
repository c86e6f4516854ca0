#pragma once

#include "base/TemperatureUnit.h"
#include "history/HistoryRecords.h"

#include <string>
#include <string_view>
#include <vector>

namespace vestra::history {

// The readings as CSV lines in UTF-8, written as the data export writes its own: every field
// quoted, the same labels and number formats; a heading line, then one line per reading.
// EncodeLines turns them into the file's code page 932 with CR LF.
std::vector<std::string> HistoryCsvLines(const std::vector<HistoryReading>& readings,
                                         TemperatureUnit unit);

} // namespace vestra::history
