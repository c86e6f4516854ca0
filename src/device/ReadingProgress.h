#pragma once

#include "data/DataSet.h"

#include <cstddef>
#include <string>

namespace vestra {

// What an import has received so far: its readings, and the group the thermometer is sending
// (the last one begun, 0 before the first; groups come in order 1 to 15).
struct ReceivedReadings {
    std::size_t readings = 0;
    int group = 0;
};
ReceivedReadings ReceivedSoFar(const DataSet& importBuffer);
// What an import had received whole when it ended: the readings of every group when the dump
// was complete, else those of the groups before the one being sent, whose readings were cut off.
ReceivedReadings ReceivedWhole(const DataSet& importBuffer, bool dumpComplete);

// The readings of an import received so far and the group the thermometer is sending, as
// "37件 (ｸﾞﾙｰﾌﾟ 5/15)". The thermometer announces a group's count only when the group starts,
// so how many readings are still to come is not known: no total is shown.
std::string ReadingProgressText(const DataSet& importBuffer);

} // namespace vestra
