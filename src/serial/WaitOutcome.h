#pragma once

namespace vestra {

// What ended a waiter's sleep (PortWaiter on POSIX, WindowsPortWaiter on Windows).
enum class WaitOutcome {
    Ready,       // the line is readable, or reports an error or a hang-up
    TimedOut,    // the time passed without either
    Interrupted, // the program was asked to stop waiting (a cancel); the caller looks again
};

} // namespace vestra
