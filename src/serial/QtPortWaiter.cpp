#include "serial/QtPortWaiter.h"

#include <QCoreApplication>
#include <algorithm>
#include <poll.h>

namespace vestra {

bool QtPortWaiter::turnOfEvents() {
    auto now = Clock::now();
    if (now - lastTurn_ < kEventSliceMs) {
        return false;
    }
    lastTurn_ = now;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return true;
}

WaitOutcome QtPortWaiter::wait(int fd, std::chrono::milliseconds timeout) {
    auto deadline = Clock::now() + timeout;
    for (;;) {
        // A cancel press is taken here; the port then looks at the line again.
        if (turnOfEvents()) {
            return WaitOutcome::Interrupted;
        }
        auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return WaitOutcome::TimedOut;
        }
        auto untilTurn =
            std::chrono::ceil<std::chrono::milliseconds>(lastTurn_ + kEventSliceMs - Clock::now());
        pollfd p{fd, POLLIN, 0};
        int slice = static_cast<int>(std::max<long>(1, std::min(left, untilTurn).count()));
        if (poll(&p, 1, slice) != 0) {
            return WaitOutcome::Ready;
        }
    }
}

} // namespace vestra
