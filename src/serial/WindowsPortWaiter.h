#pragma once

#include "serial/WaitOutcome.h"

#include <chrono>
#include <functional>

namespace vestra {

// How the Windows serial port sleeps while it waits for the line: PortWaiter's counterpart,
// since a Windows port has no descriptor to poll. The port hands over the event of its pending
// overlapped read (a HANDLE, here void* so that no user of this header needs windows.h).
class WindowsPortWaiter {
public:
    virtual ~WindowsPortWaiter() = default;
    virtual WaitOutcome wait(void* readEvent, std::chrono::milliseconds timeout) = 0;
};

// Sleeps in WaitForMultipleObjects on the read event and on a cancel event of its own, the
// equivalent of PollWaiter's wake-up pipe. cancel() may be called from any thread (a console
// control handler runs in one of its own); the wait under way, or else the next one, then runs
// onWake and ends with Interrupted.
class EventWaiter : public WindowsPortWaiter {
public:
    EventWaiter();
    ~EventWaiter() override;
    EventWaiter(const EventWaiter&) = delete;
    EventWaiter& operator=(const EventWaiter&) = delete;

    void setOnWake(std::function<void()> onWake) { onWake_ = std::move(onWake); }
    void cancel();

    WaitOutcome wait(void* readEvent, std::chrono::milliseconds timeout) override;

private:
    void* cancelEvent_;
    std::function<void()> onWake_;
};

// The waiter of ports built without one.
EventWaiter& PlainEventWaiter();

} // namespace vestra
