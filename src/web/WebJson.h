#pragma once

#include "history/HistoryRecords.h"
#include "web/Overview.h"

#include <string>
#include <vector>

namespace vestra::web {

// The web view's JSON API documents (docs/json-schema.md): the overview as ranked, with the
// rise it was ranked by.
std::string OverviewJson(const std::vector<OverviewRow>& rows, float rise);

// One page of the list of data sets, newest first.
std::string DataSetsJson(const std::vector<history::DataSetSummary>& list, long long total,
                         long long offset);

} // namespace vestra::web
