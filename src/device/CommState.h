#pragma once

#include "base/DateTime.h"

#include <cstdint>

namespace vestra {

// What one connection to the thermometer does after the greeting.
enum class ConnectionMode : std::int16_t {
    ModeImportMemory = 0,
    ModeReadClock = 1,
    ModeReadSettings = 2,
    ModeSetClock = 3,
    ModeSendSettings = 4,
    ModeClearMemory = 5,
    ModeResetDevice = 6,
};

// How a connection ended; 0 is success. The caller reports any other value with ShowCommResult.
enum class CommResult : std::int16_t {
    ResultOk = 0,
    ResultUserAbort = -1,
    ResultBadDump = 1,
    ResultBadReceive = 2,
    ResultLineError = 3,
    ResultNoResponse = 4,
    ResultBatteryAlarm = 10,
    ResultDeviceNg = 11,
    ResultBadReply = 12,
};

// The values a caller hands to a connection and reads back from it. The caller sets
// CurrentMode (and ClockToSet for ModeSetClock) before the connection runs and reads LastResult
// after it; OpenCommPort resets LastResult to ResultOk.
struct CommState {
    ConnectionMode CurrentMode = ConnectionMode::ModeImportMemory;
    CommResult LastResult = CommResult::ResultOk;
    int PortNumber = 1; // 1 to 16
    DateTime ClockToSet;
};

// The modes that read the thermometer's memory, clock or settings into the import area: all
// but the four that send (a value of no mode reads the memory, as the import does).
inline bool IsReadingMode(ConnectionMode mode) {
    return mode != ConnectionMode::ModeSetClock && mode != ConnectionMode::ModeSendSettings &&
           mode != ConnectionMode::ModeClearMemory && mode != ConnectionMode::ModeResetDevice;
}

// Only the reading modes that can take long offer a cancel button: importing memory and
// reading the settings. The other connections are short and must not stop half-way.
inline bool IsCancellable(ConnectionMode mode) {
    return mode == ConnectionMode::ModeImportMemory || mode == ConnectionMode::ModeReadSettings;
}

} // namespace vestra
