#pragma once

#include "data/DataSet.h"

#include <string>

namespace vestra::chart {

// The name the chart's save dialog offers, without extension: a group's tag; else the data
// file's name without its extension ("pump-room"), with "-" and the group's number for a
// group; "VESTRA" for data that has no file yet.
std::string ChartFileName(const DataSet& data, int group, const std::string& dataFileName);

} // namespace vestra::chart
