#pragma once

#include <cstdint>
#include <vector>

namespace vestra {

// The statistics of a group's values: the first occurrence wins ties for maximum and minimum;
// the sum runs in single precision; the average is floor(sum / n * 10 + 0.6) / 10.
struct GroupStatistics {
    std::int16_t maxIndex = 0;
    std::int16_t minIndex = 0;
    float average = 0;
};
GroupStatistics ComputeStatistics(const std::vector<float>& values);

} // namespace vestra
