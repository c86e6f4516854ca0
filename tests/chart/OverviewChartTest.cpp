#include "chart/OverviewChart.h"

#include "ChartSample.h"

#include <gtest/gtest.h>

namespace vestra::chart {
namespace {

using testing::EveryTenMinutes;
using testing::GroupOf;
using testing::HasText;
using testing::ShapesOf;

DataSet twoGroups() {
    DataSet data;
    data.group(2) = GroupOf(EveryTenMinutes({30.1f, 20.0f, 9.9f}));
    data.group(9) = GroupOf(EveryTenMinutes({21.0f}));
    return data;
}

struct ShapeCase {
    double width;
    double height;
    int columns;
};

class OverviewLayoutTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(OverviewLayoutTest, LaysTheGroupsOutInRowsOfTheColumnsThatFit) {
    ShapeCase c = GetParam();
    OverviewChart chart = LayoutOverviewChart(twoGroups(), c.width, c.height);
    for (int g = 1; g <= kGroupCount; ++g) {
        const Rect& cell = chart.cells[static_cast<std::size_t>(g - 1)];
        const Rect& first = chart.cells[0];
        EXPECT_DOUBLE_EQ(cell.left,
                         chart.cells[static_cast<std::size_t>((g - 1) % c.columns)].left);
        EXPECT_DOUBLE_EQ(
            cell.top, chart.cells[static_cast<std::size_t>((g - 1) / c.columns * c.columns)].top);
        EXPECT_LE(cell.right(), c.width);
        EXPECT_LE(cell.bottom(), c.height);
        EXPECT_DOUBLE_EQ(cell.width, first.width);
        EXPECT_EQ(GroupAt(chart, {cell.left + 1, cell.top + 1}), g);
    }
    EXPECT_GT(chart.cells[static_cast<std::size_t>(c.columns)].top, chart.cells[0].top);
}

INSTANTIATE_TEST_SUITE_P(Areas, OverviewLayoutTest,
                         ::testing::Values(ShapeCase{900, 300, 5}, ShapeCase{300, 900, 3}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(OverviewChart, CaptionsEachGroupWithItsCountAndMarksAlarms) {
    OverviewChart chart = LayoutOverviewChart(twoGroups(), 900, 300);
    EXPECT_TRUE(HasText(chart.drawing, "ｸﾞﾙｰﾌﾟ2  3件"));
    EXPECT_TRUE(HasText(chart.drawing, "ｸﾞﾙｰﾌﾟ9  1件"));
    EXPECT_TRUE(HasText(chart.drawing, "ｸﾞﾙｰﾌﾟ1"));
    int high = 0;
    int low = 0;
    for (const Marker& m : ShapesOf<Marker>(chart.drawing)) {
        high += m.fill == kHighInk;
        low += m.fill == kLowInk;
    }
    EXPECT_EQ(high, 1);
    EXPECT_EQ(low, 1);
}

TEST(OverviewChart, FindsNoGroupInTheGapsOrOutside) {
    OverviewChart chart = LayoutOverviewChart(twoGroups(), 900, 300);
    EXPECT_EQ(GroupAt(chart, {1, 1}), 0);
    EXPECT_EQ(GroupAt(chart, {950, 10}), 0);
}

} // namespace
} // namespace vestra::chart
