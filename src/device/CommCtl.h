#pragma once

#include "base/MessageSink.h"
#include "device/CommState.h"
#include "serial/SerialPort.h"

namespace vestra {

// Opens the port for a connection (4800 baud, 8N1) and raises DTR and RTS. When the port cannot
// be opened, tells the user to choose another port (with the system's reason on a further line)
// and returns false. Either way LastResult is reset to ResultOk.
bool OpenCommPort(SerialPort& port, CommState& state, MessageSink& messages);

// Closes the port if it is open and drops DTR and RTS.
void CloseCommPort(SerialPort& port);

} // namespace vestra
