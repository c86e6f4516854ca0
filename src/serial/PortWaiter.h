#pragma once

#include "serial/WaitOutcome.h"

#include <chrono>
#include <functional>

namespace vestra {

// How the serial port sleeps while it waits for the line. The tool and the tests sleep in
// poll(2); the application also keeps its windows alive meanwhile. Either way the process is
// idle while the thermometer is silent.
class PortWaiter {
public:
    virtual ~PortWaiter() = default;
    virtual WaitOutcome wait(int fd, std::chrono::milliseconds timeout) = 0;
};

// Sleeps in poll(2) on the line and, when given, on a wake-up descriptor (the read end of a
// pipe that a signal handler writes to). When that becomes readable, onWake runs (it must
// empty the pipe) and the wait ends with Interrupted.
class PollWaiter : public PortWaiter {
public:
    explicit PollWaiter(int wakeFd = -1) : wakeFd_(wakeFd) {}
    void setOnWake(std::function<void()> onWake) { onWake_ = std::move(onWake); }

    WaitOutcome wait(int fd, std::chrono::milliseconds timeout) override;

private:
    int wakeFd_;
    std::function<void()> onWake_;
};

// The waiter of ports built without one.
PollWaiter& PlainPollWaiter();

} // namespace vestra
