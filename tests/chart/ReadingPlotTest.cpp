#include "chart/ReadingPlot.h"

#include "ChartSample.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace vestra::chart {
namespace {

using testing::EveryTenMinutes;
using testing::GroupOf;
using testing::HasText;
using testing::ShapesOf;

constexpr Rect kPlot{50, 30, 400, 200};

std::vector<PlottedReading> plot(const GroupSetting& group, Drawing& out,
                                 PlotStyle style = PlotStyle{}) {
    return PlotReadings(group, kPlot, style, out);
}

struct MarkCase {
    float value;
    AlarmMark mark;
    Colour fill;
};

class AlarmMarkerTest : public ::testing::TestWithParam<MarkCase> {};

// The same test as the detail table's: on a limit is no alarm.
TEST_P(AlarmMarkerTest, MarksEachReadingInTheColourOfItsAlarm) {
    MarkCase c = GetParam();
    Drawing out;
    auto drawn = plot(GroupOf(EveryTenMinutes({20.0f, c.value})), out);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[1].mark, c.mark);
    EXPECT_EQ(ShapesOf<Marker>(out).at(1).fill, c.fill);
}

INSTANTIATE_TEST_SUITE_P(Limits, AlarmMarkerTest,
                         ::testing::Values(MarkCase{30.1f, AlarmMark::High, kHighInk},
                                           MarkCase{30.0f, AlarmMark::None, kPointInk},
                                           MarkCase{10.0f, AlarmMark::None, kPointInk},
                                           MarkCase{9.9f, AlarmMark::Low, kLowInk}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(PlotReadings, DrawsTheFrameAndNoReadingsTextForAnEmptyGroup) {
    Drawing out;
    auto drawn = plot(GroupOf({}), out);
    EXPECT_TRUE(drawn.empty());
    EXPECT_EQ(ShapesOf<Box>(out).size(), 1u);
    EXPECT_TRUE(HasText(out, "ﾃﾞｰﾀなし"));
    EXPECT_TRUE(ShapesOf<Marker>(out).empty());
}

TEST(PlotReadings, DrawsOneReadingAloneWithoutLineAverageOrExtremes) {
    Drawing out;
    auto drawn = plot(GroupOf(EveryTenMinutes({23.0f})), out);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_TRUE(ShapesOf<Polyline>(out).empty());
    EXPECT_FALSE(HasText(out, "平均"));
    EXPECT_FALSE(HasText(out, "最大 23.0"));
    // Centred in time, inside the plot.
    EXPECT_NEAR(drawn[0].at.x, kPlot.left + kPlot.width / 2, 1e-9);
    EXPECT_GT(drawn[0].at.y, kPlot.top);
    EXPECT_LT(drawn[0].at.y, kPlot.bottom());
}

TEST(PlotReadings, LabelsTheFirstLargestAndFirstSmallestReading) {
    Drawing out;
    auto drawn = plot(GroupOf(EveryTenMinutes({20.0f, 25.0f, 25.0f, 18.0f, 18.0f})), out);
    EXPECT_TRUE(HasText(out, "最大 25.0"));
    EXPECT_TRUE(HasText(out, "最小 18.0"));
    for (const Text& t : ShapesOf<Text>(out)) {
        if (t.text == "最大 25.0") {
            EXPECT_LT(t.at.y, drawn[1].at.y);
        }
        if (t.text == "最小 18.0") {
            EXPECT_GT(t.at.y, drawn[3].at.y);
        }
    }
}

TEST(PlotReadings, LeavesExtremesUnlabelledWhenEveryValueIsEqual) {
    Drawing out;
    plot(GroupOf(EveryTenMinutes({21.0f, 21.0f, 21.0f})), out);
    EXPECT_FALSE(HasText(out, "最大 21.0"));
    EXPECT_FALSE(HasText(out, "最小 21.0"));
}

TEST(PlotReadings, DrawsLimitsNearTheReadingsAndLeavesFarOnesOut) {
    Drawing near;
    plot(GroupOf(EveryTenMinutes({12.0f, 28.0f})), near);
    EXPECT_TRUE(HasText(near, "上限"));
    EXPECT_TRUE(HasText(near, "下限"));
    Drawing far;
    plot(GroupOf(EveryTenMinutes({20.0f, 21.0f}), 500, -40), far);
    EXPECT_FALSE(HasText(far, "上限"));
    EXPECT_FALSE(HasText(far, "下限"));
}

TEST(PlotReadings, JoinsReadingsInTimeOrderWhateverOrderTheyWereRecordedIn) {
    std::vector<testing::Reading> shuffled = {{{2008, 1, 1, 12, 0, 0}, 20.0f},
                                              {{2008, 1, 1, 10, 0, 0}, 22.0f},
                                              {{2008, 1, 1, 11, 0, 0}, 21.0f}};
    Drawing out;
    auto drawn = plot(GroupOf(shuffled), out);
    auto lines = ShapesOf<Polyline>(out);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].points.size(), 3u);
    EXPECT_TRUE(std::is_sorted(lines[0].points.begin(), lines[0].points.end(),
                               [](Point a, Point b) { return a.x < b.x; }));
    EXPECT_LT(drawn[1].at.x, drawn[2].at.x);
    EXPECT_LT(drawn[2].at.x, drawn[0].at.x);
}

struct BadInput {
    const char* name;
    std::vector<testing::Reading> readings;
};

class PlotBadInputTest : public ::testing::TestWithParam<BadInput> {};

TEST_P(PlotBadInputTest, StaysFiniteAndInsideThePlot) {
    Drawing out;
    auto drawn = plot(GroupOf(GetParam().readings), out);
    for (const PlottedReading& r : drawn) {
        EXPECT_TRUE(std::isfinite(r.at.x) && std::isfinite(r.at.y));
        EXPECT_GE(r.at.x, kPlot.left - 1e-9);
        EXPECT_LE(r.at.x, kPlot.right() + 1e-9);
        EXPECT_GE(r.at.y, kPlot.top - 1e-9);
        EXPECT_LE(r.at.y, kPlot.bottom() + 1e-9);
    }
    for (Point p : testing::PointsOf(out)) {
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Readings, PlotBadInputTest,
    ::testing::Values(
        BadInput{"EqualTimes", {{{2008, 1, 1, 9, 0, 0}, 1.0f}, {{2008, 1, 1, 9, 0, 0}, 2.0f}}},
        BadInput{"FormatExtremes",
                 {{{1980, 1, 1, 0, 0, 0}, -58.0f}, {{2079, 12, 31, 23, 59, 59}, 1022.0f}}},
        BadInput{"BackwardsInTime", {{{2079, 1, 1, 0, 0, 0}, 5.0f}, {{1980, 1, 1, 0, 0, 0}, 6.0f}}},
        BadInput{"HugeFloats", {{{2000, 1, 1, 0, 0, 0}, 3e38f}, {{2000, 1, 1, 0, 1, 0}, -3e38f}}},
        BadInput{"NotANumber", {{{2000, 1, 1, 0, 0, 0}, NAN}, {{2000, 1, 1, 0, 1, 0}, 4.0f}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlotReadings, LeavesAReadingThatIsNotANumberOut) {
    Drawing out;
    auto drawn = plot(GroupOf({{{2000, 1, 1, 0, 0, 0}, NAN}, {{2000, 1, 1, 0, 1, 0}, 4.0f}}), out);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].no, 2);
}

TEST(PlotReadings, SmallChartsShowOnlyTheLineAndItsAlarms) {
    Drawing out;
    plot(GroupOf(EveryTenMinutes({12.0f, 31.0f, 28.0f})), out, PlotStyle{false, 2, 10});
    EXPECT_FALSE(HasText(out, "平均"));
    EXPECT_FALSE(HasText(out, "上限"));
    EXPECT_FALSE(HasText(out, "最大 31.0"));
    EXPECT_EQ(ShapesOf<Marker>(out).size(), 3u);
    EXPECT_EQ(ShapesOf<Polyline>(out).size(), 1u);
}

struct HitCase {
    Point at;
    double radius;
    int expected;
};

class ReadingAtTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(ReadingAtTest, FindsTheNearestReadingWithinTheRadius) {
    std::vector<PlottedReading> readings = {{1, {10, 10}}, {2, {20, 10}}, {3, {20, 10}}};
    HitCase c = GetParam();
    EXPECT_EQ(ReadingAt(readings, c.at, c.radius), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Pointer, ReadingAtTest,
                         ::testing::Values(HitCase{{11, 11}, 5, 1}, HitCase{{16, 10}, 5, 2},
                                           HitCase{{15, 30}, 5, 0}, HitCase{{20, 10}, 0, 2}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

} // namespace
} // namespace vestra::chart
