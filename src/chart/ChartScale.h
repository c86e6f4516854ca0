#pragma once

#include "base/DateTime.h"

#include <vector>

namespace vestra::chart {

// A value axis: its ends lie on ticks, and the ticks step by 1, 2 or 5 times a power of ten.
struct ValueScale {
    double low = 0;
    double high = 1;
    std::vector<double> ticks;
};

// The scale that holds low to high with at most about targetTicks steps. An empty span (one
// reading, or all readings equal) is widened to one degree either side, so that a flat line
// never looks like a large swing; values that are not finite give the scale 0 to 1.
ValueScale NiceValueScale(double low, double high, int targetTicks);

// A time axis in seconds of the civil clock (no time zone: the thermometer has none).
struct TimeScale {
    long long first = 0;
    long long last = 1;
    long long step = 1;
    std::vector<long long> ticks;
};

// The ticks fall on whole minutes, hours or days; step is the smallest of the usual clock
// steps that keeps the count at most maxTicks. An empty span puts its one time in the middle
// with a single tick on it.
TimeScale NiceTimeScale(long long first, long long last, int maxTicks);

long long SecondsOf(const DateTime& t);
DateTime DateTimeOfSeconds(long long seconds);

} // namespace vestra::chart
