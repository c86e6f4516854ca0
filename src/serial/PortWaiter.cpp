#include "serial/PortWaiter.h"

#include <cerrno>
#include <poll.h>

namespace vestra {

WaitOutcome PollWaiter::wait(int fd, std::chrono::milliseconds timeout) {
    pollfd p[2] = {{fd, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    nfds_t count = wakeFd_ >= 0 && onWake_ ? 2 : 1;
    int ready = poll(p, count, static_cast<int>(timeout.count()));
    if (ready == 0) {
        return WaitOutcome::TimedOut;
    }
    if (ready < 0) {
        // EINTR: a signal whose handler wrote to the wake-up pipe, seen by the next wait. Any
        // other failure is the line's, and the port finds out what it is.
        return errno == EINTR ? WaitOutcome::Interrupted : WaitOutcome::Ready;
    }
    if (count == 2 && p[1].revents != 0) {
        onWake_();
        return WaitOutcome::Interrupted;
    }
    return WaitOutcome::Ready;
}

PollWaiter& PlainPollWaiter() {
    static PollWaiter waiter;
    return waiter;
}

} // namespace vestra
