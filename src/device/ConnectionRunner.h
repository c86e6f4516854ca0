#pragma once

#include "base/DateTime.h"
#include "device/CommState.h"
#include "device/ConnectionOutcome.h"

#include <functional>

namespace vestra {

// What the device dialogs need of the connection engine: open the chosen port, then run one
// connection in a mode while the caller waits, and hand back its result. The engine works on
// the program's data store: the reading modes fill its importBuffer (and hand back a copy in the
// outcome), the settings-sending mode transmits its deviceSettings.
class ConnectionRunner {
public:
    virtual ~ConnectionRunner() = default;

    // Opens the configured serial port. False when it cannot be used; the user has then been
    // told already and no connection may be run.
    virtual bool openPort() = 0;

    // Runs one connection on the opened port (which it closes) and returns how it ended.
    // clockToSet is what the set-clock mode sends; the other modes ignore it.
    virtual ConnectionOutcome run(ConnectionMode mode, const DateTime& clockToSet) = 0;
};

// Shows the message for a failed connection's result.
using CommResultReporter = std::function<void(CommResult result)>;

} // namespace vestra
