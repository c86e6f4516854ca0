#include "chart/ChartScale.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vestra::chart {
namespace {

// True when step is 1, 2 or 5 times a power of ten.
bool isNiceStep(double step) {
    double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    for (double nice : {1.0, 2.0, 5.0, 10.0}) {
        if (std::abs(mantissa - nice) < 1e-6) {
            return true;
        }
    }
    return false;
}

struct ValueCase {
    double low;
    double high;
    int target;
};

class NiceValueScaleTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(NiceValueScaleTest, CoversTheRangeWithNiceEvenTicks) {
    ValueCase c = GetParam();
    ValueScale scale = NiceValueScale(c.low, c.high, c.target);
    ASSERT_GE(scale.ticks.size(), 2u);
    EXPECT_LE(scale.low, std::min(c.low, c.high));
    EXPECT_GE(scale.high, std::max(c.low, c.high));
    EXPECT_DOUBLE_EQ(scale.ticks.front(), scale.low);
    EXPECT_NEAR(scale.ticks.back(), scale.high, 1e-9);
    double step = scale.ticks[1] - scale.ticks[0];
    EXPECT_TRUE(isNiceStep(step)) << step;
    EXPECT_LE(static_cast<int>(scale.ticks.size()), 2 * c.target + 2);
}

INSTANTIATE_TEST_SUITE_P(Ranges, NiceValueScaleTest,
                         ::testing::Values(ValueCase{-3.4, 41.2, 5}, ValueCase{21.5, 22.4, 4},
                                           ValueCase{-58, 1022, 6}, ValueCase{0.1, 0.3, 3},
                                           ValueCase{500, -40, 5}, ValueCase{-1e30, 1e30, 5}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(NiceValueScale, WidensAnEmptySpanByOneDegreeEachSide) {
    ValueScale scale = NiceValueScale(23, 23, 5);
    EXPECT_LE(scale.low, 22);
    EXPECT_GE(scale.high, 24);
    EXPECT_GT(scale.high - scale.low, 0);
}

TEST(NiceValueScale, FallsBackToZeroToOneForValuesThatAreNotNumbers) {
    for (double bad : {NAN, INFINITY, -INFINITY}) {
        ValueScale scale = NiceValueScale(bad, 5, 5);
        EXPECT_DOUBLE_EQ(scale.low, 0) << bad;
        EXPECT_DOUBLE_EQ(scale.high, 1) << bad;
    }
}

struct TimeCase {
    long long first;
    long long last;
    int maxTicks;
    long long expectedStep;
};

class NiceTimeScaleTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(NiceTimeScaleTest, PicksTheSmallestClockStepThatFits) {
    TimeCase c = GetParam();
    TimeScale scale = NiceTimeScale(c.first, c.last, c.maxTicks);
    EXPECT_EQ(scale.step, c.expectedStep);
    EXPECT_LE(static_cast<int>(scale.ticks.size()), c.maxTicks);
    for (long long tick : scale.ticks) {
        EXPECT_GE(tick, c.first);
        EXPECT_LE(tick, c.last);
        EXPECT_EQ(tick % scale.step, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Spans, NiceTimeScaleTest,
                         ::testing::Values(TimeCase{0, 70 * 60, 8, 10 * 60},
                                           TimeCase{0, 70 * 60, 4, 30 * 60},
                                           TimeCase{100, 3 * 86400, 4, 86400},
                                           TimeCase{0, 86400LL * 365 * 100, 5, 364 * 86400LL * 21},
                                           TimeCase{-7200, 0, 3, 3600}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(NiceTimeScale, PutsOneTimeInTheMiddleWithOneTick) {
    TimeScale scale = NiceTimeScale(5000, 5000, 6);
    ASSERT_EQ(scale.ticks.size(), 1u);
    EXPECT_EQ(scale.ticks[0], 5000);
    EXPECT_EQ(scale.first + scale.last, 2 * 5000);
    EXPECT_LT(scale.first, scale.last);
}

TEST(ChartSeconds, RoundTripsThroughTheCivilClock) {
    const DateTime times[] = {{1980, 1, 1, 0, 0, 0},
                              {2008, 2, 29, 23, 59, 59},
                              {2079, 12, 31, 12, 30, 1},
                              {1969, 12, 31, 23, 0, 0}};
    for (const DateTime& t : times) {
        EXPECT_EQ(DateTimeOfSeconds(SecondsOf(t)), t) << t.year;
    }
    EXPECT_EQ(SecondsOf({1970, 1, 2, 0, 0, 1}) - SecondsOf({1970, 1, 1, 0, 0, 0}), 86401);
}

} // namespace
} // namespace vestra::chart
