#pragma once

#include "data/DataSet.h"

#include <string>

namespace vestra {

// The readings of an import received so far against the thermometer's capacity of 150, as
// "37/150件": the groups are uneven, so a count of groups says little about the time left.
std::string ReadingProgressText(const DataSet& importBuffer);

} // namespace vestra
