#pragma once

#include "data/DataSet.h"

#include <string>

namespace vestra {

// The readings of an import received so far and the group the thermometer is sending, as
// "37件 (ｸﾞﾙｰﾌﾟ 5/15)". The thermometer announces a group's count only when the group starts,
// so how many readings are still to come is not known: no total is shown.
std::string ReadingProgressText(const DataSet& importBuffer);

} // namespace vestra
