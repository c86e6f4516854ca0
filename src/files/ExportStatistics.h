#pragma once

#include "data/DataSet.h"

namespace vestra {

// The statistics as the exports write them: the readings at a group's maxIndex and minIndex. An
// index that does not name a reading (statistics not computed) falls back to the first reading
// instead of reading out of bounds. The group must have at least one usable reading.
MemoryRecord MaximumRecord(const GroupSetting& group);
MemoryRecord MinimumRecord(const GroupSetting& group);

} // namespace vestra
