#pragma once

#include <chrono>
#include <optional>

namespace vestra {

// The 100 ms ticks of a port's time-out counters, kept between waits so that a wait started
// late still ends on the tick. Ticks that fell due while the caller was busy are delivered one
// per call, so the caller's tick count always matches the time passed.
class PortTicks {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr auto kTick = std::chrono::milliseconds(100);

    // The first wait after a reset starts the count.
    void start() {
        if (!ticking_) {
            ticking_ = true;
            next_ = Clock::now() + kTick;
        }
    }
    void reset() { ticking_ = false; }

    // Nothing when a tick is due (it is then counted), else how long until the next one.
    std::optional<std::chrono::milliseconds> untilNext() {
        auto now = Clock::now();
        if (now >= next_) {
            next_ += kTick;
            return std::nullopt;
        }
        return std::chrono::ceil<std::chrono::milliseconds>(next_ - now);
    }

private:
    bool ticking_ = false;
    Clock::time_point next_;
};

} // namespace vestra
