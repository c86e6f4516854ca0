#pragma once

#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "device/CommObserver.h"
#include "device/CommSession.h"
#include "device/CommState.h"
#include "device/ConnectionOutcome.h"
#include "serial/SerialPort.h"

#include <string>

namespace vestra {

// One connection to the thermometer: wake it, greet it, do the one operation of
// state.CurrentMode, say goodbye, close the port and hand back how it went. The caller has
// opened the port with OpenCommPort and set CurrentMode (and ClockToSet or data.deviceSettings
// for the sending modes); it reports a failed outcome with ShowCommResult.
//
// A window runs it in steps so that it can show itself in between:
//     Connection c(port, state, data, unit, window);
//     c.wakeUp();                         // when the window loads
//     ... a 1000 ms timer (kStartDelayMs) ...
//     ConnectionOutcome o = c.run();      // from the timer; closes the port
// and its cancel button (shown when IsCancellable(state.CurrentMode)) calls c.cancel(), which
// takes effect inside the port's wait. Without a window, runFromStart() does all three:
//     state.CurrentMode = ConnectionMode::ModeImportMemory;
//     if (!OpenCommPort(port, state, messages)) { ... }
//     ConnectionOutcome o = Connection(port, state, store, unit, observer).runFromStart();
//     if (!o.ok()) ShowCommResult(messages, o.result);
// unit is the thermometer type; a dump in the other unit is rejected.
class Connection {
public:
    // From the start of the wake-up break to the greeting: the thermometer needs this long.
    static constexpr int kStartDelayMs = 1000;

    Connection(SerialPort& port, CommState& state, DataStore& data, TemperatureUnit unit,
               CommObserver& observer);

    // The wake-up signal: a 100 ms break and a 100 ms rest.
    void wakeUp();
    // Greeting, operation, farewell, closing the port. Runs once; a second call only returns
    // the outcome again.
    ConnectionOutcome run();
    // wakeUp, the rest of the start delay as a pause of the port, run.
    ConnectionOutcome runFromStart();
    void cancel() { session_.cancel(); }
    // Records the connection on trace (see LineTrace); null records nothing.
    void setTrace(LineTrace* trace) { session_.setTrace(trace); }

    CommSession& session() { return session_; }

private:
    void runOperation();
    ConnectionOutcome outcome() const;

    SerialPort& port_;
    CommState& state_;
    DataStore& data_;
    TemperatureUnit unit_;
    CommSession session_;
    bool started_ = false;
    ConnectionOutcome outcome_;
};

// The status text shown while the mode's operation runs.
std::string ModeStatusText(ConnectionMode mode);

} // namespace vestra
