#include "chart/ChartScale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vestra::chart {
namespace {

constexpr long long kMinute = 60;
constexpr long long kHour = 60 * kMinute;
constexpr long long kDay = 24 * kHour;

// Steps a reader counts in on a clock and a calendar; years beyond the last step repeat it.
constexpr std::array<long long, 19> kClockSteps = {
    kMinute,   2 * kMinute, 5 * kMinute, 10 * kMinute, 15 * kMinute, 30 * kMinute, kHour,
    2 * kHour, 3 * kHour,   6 * kHour,   12 * kHour,   kDay,         2 * kDay,     7 * kDay,
    14 * kDay, 28 * kDay,   91 * kDay,   182 * kDay,   364 * kDay};

double niceStep(double span, int targetTicks) {
    double raw = span / std::max(1, targetTicks);
    double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw) {
            return factor * power;
        }
    }
    return 10 * power;
}

long long floorTo(long long value, long long step) {
    long long q = value / step;
    return (value % step != 0 && value < 0 ? q - 1 : q) * step;
}

} // namespace

ValueScale NiceValueScale(double low, double high, int targetTicks) {
    if (!std::isfinite(low) || !std::isfinite(high)) {
        low = 0;
        high = 1;
    }
    if (low > high) {
        std::swap(low, high);
    }
    if (high - low < 1e-9) {
        low -= 1;
        high += 1;
    }
    double step = niceStep(high - low, targetTicks);
    ValueScale scale;
    scale.low = std::floor(low / step) * step;
    scale.high = std::ceil(high / step) * step;
    long long count = std::llround((scale.high - scale.low) / step);
    for (long long i = 0; i <= count; ++i) {
        scale.ticks.push_back(scale.low + static_cast<double>(i) * step);
    }
    return scale;
}

TimeScale NiceTimeScale(long long first, long long last, int maxTicks) {
    if (first > last) {
        std::swap(first, last);
    }
    TimeScale scale;
    if (first == last) {
        scale.first = first - kHour / 2;
        scale.last = last + kHour / 2;
        scale.step = kHour;
        scale.ticks = {first};
        return scale;
    }
    long long span = last - first;
    long long limit = std::max(1, maxTicks);
    scale.step = kClockSteps.back() * (span / (kClockSteps.back() * limit) + 1);
    for (long long step : kClockSteps) {
        if (span / step + 1 <= limit) {
            scale.step = step;
            break;
        }
    }
    scale.first = first;
    scale.last = last;
    for (long long t = floorTo(first, scale.step); t <= last; t += scale.step) {
        if (t >= first) {
            scale.ticks.push_back(t);
        }
    }
    return scale;
}

long long SecondsOf(const DateTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * kDay + t.hour * kHour + t.minute * kMinute +
           t.second;
}

DateTime DateTimeOfSeconds(long long seconds) {
    return AddSeconds(CivilFromDays(0), seconds);
}

} // namespace vestra::chart
