#pragma once

#include "serial/PortWaiter.h"

#include <chrono>

namespace vestra {

// How the application's serial port waits: asleep in poll(2) on the line, as the tool's does,
// but handing the event queue a turn at least every kEventSliceMs, so that the communication
// window repaints and its cancel button acts. No event loop, timer or connection is built for
// a wait; between turns the process sleeps.
class QtPortWaiter : public PortWaiter {
public:
    // 20 turns a second: the progress bar moves smoothly and a cancel press is taken well
    // within the 100 ms a user notices, while a dump arriving in bursts every few milliseconds
    // costs the processor under half a percent of the wait.
    static constexpr std::chrono::milliseconds kEventSliceMs{50};

    WaitOutcome wait(int fd, std::chrono::milliseconds timeout) override;

private:
    using Clock = std::chrono::steady_clock;
    // The event queue's turn when it is due; true when it came.
    bool turnOfEvents();

    Clock::time_point lastTurn_{};
};

} // namespace vestra
