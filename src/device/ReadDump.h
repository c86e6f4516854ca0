#pragma once

#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "device/CommSession.h"

#include <string>
#include <string_view>

namespace vestra {

// "MEM", "MEM T" or "MEM S" for the three reading modes.
std::string MemCommand(ConnectionMode mode);

// The reading operation of a connection: asks for the memory, the clock or the settings and
// reads the answer into importBuffer, advancing the progress bar per group. Success is
// LastResult == ResultOk; a rejected line gives ResultBadDump. importBuffer keeps what was
// stored up to a failure; the caller decides what to do with it.
void ReadDump(CommSession& session, ConnectionMode mode, TemperatureUnit unit,
              DataSet& importBuffer);

} // namespace vestra
