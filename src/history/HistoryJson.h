#pragma once

#include "base/TemperatureUnit.h"
#include "history/HistoryRecords.h"

#include <string>
#include <string_view>
#include <vector>

namespace vestra::history {

// `history tags --json`: one object per tag, object and unit (docs/json-schema.md).
std::string TagsJson(const std::vector<TagSummary>& tags);

// `history export --format json`: the readings of one tag with the group and the data set
// each came from, oldest first as read.
std::string HistoryReadingsJson(const std::vector<HistoryReading>& readings, TemperatureUnit unit);

} // namespace vestra::history
