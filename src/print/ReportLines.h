#pragma once

#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "print/PrintOptions.h"

#include <string>
#include <string_view>
#include <vector>

namespace vestra {

// The report body, one text per printed line, in UTF-8: the header lines, then the block of each
// chosen group. The lines that start each page (page number and blank line) are not included;
// the paging adds them. Columns are made of blanks and line up in a fixed-pitch font whose
// full-width characters are two columns wide.
std::vector<std::string> ReportLines(const DataSet& data, const PrintOptions& options,
                                     TemperatureUnit unit);

} // namespace vestra
