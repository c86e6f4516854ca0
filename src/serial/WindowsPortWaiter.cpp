#include "serial/WindowsPortWaiter.h"

#include <algorithm>
#include <windows.h>

namespace vestra {

// Auto-reset: the wait that sees a cancel takes it, as onWake empties the POSIX wake-up pipe.
EventWaiter::EventWaiter() : cancelEvent_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

EventWaiter::~EventWaiter() {
    if (cancelEvent_ != nullptr) {
        CloseHandle(cancelEvent_);
    }
}

void EventWaiter::cancel() {
    SetEvent(cancelEvent_);
}

WaitOutcome EventWaiter::wait(void* readEvent, std::chrono::milliseconds timeout) {
    // The cancel first: of two signalled events the lower index wins, so a line that never
    // falls silent cannot hold a cancel back.
    HANDLE events[2] = {cancelEvent_, readEvent};
    auto milliseconds = static_cast<DWORD>(std::max<long long>(timeout.count(), 0));
    DWORD result = WaitForMultipleObjects(2, events, FALSE, milliseconds);
    if (result == WAIT_TIMEOUT) {
        return WaitOutcome::TimedOut;
    }
    if (result == WAIT_OBJECT_0) {
        if (onWake_) {
            onWake_();
        }
        return WaitOutcome::Interrupted;
    }
    // The read ended, or the wait failed: either way the port finds out what the line says.
    return WaitOutcome::Ready;
}

EventWaiter& PlainEventWaiter() {
    static EventWaiter waiter;
    return waiter;
}

} // namespace vestra
