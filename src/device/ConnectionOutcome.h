#pragma once

#include "data/DataSet.h"
#include "device/CommState.h"
#include "device/ReadingProgress.h"

#include <optional>

namespace vestra {

// How one connection ended and what it brought back, handed back by the connection itself so
// that no caller reads its state afterwards. The result is also left in CommState.LastResult,
// where the fixed result messages look.
struct ConnectionOutcome {
    CommResult result = CommResult::ResultOk;
    // What a reading mode received, when its whole answer arrived (result ResultOk); empty for
    // the other modes and after a failure.
    std::optional<DataSet> received;
    // How much of the memory had arrived whole when a reading mode ended, complete or cut off:
    // for an import cut half-way, the readings of the groups before the cut and the group cut.
    ReceivedReadings soFar;

    bool ok() const { return result == CommResult::ResultOk; }
};

} // namespace vestra
