#include "chart/GroupChart.h"

#include "ChartSample.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vestra::chart {
namespace {

using testing::EveryTenMinutes;
using testing::GroupOf;
using testing::HasText;

DataSet dataWith(int g, const GroupSetting& group) {
    DataSet data;
    data.group(g) = group;
    return data;
}

TEST(GroupChart, TitlesTheChartWithTheGroupAndItsTag) {
    GroupChart chart =
        LayoutGroupChart(dataWith(2, GroupOf(EveryTenMinutes({20, 25}))), 2, "ﾟC", 600, 300);
    EXPECT_TRUE(HasText(chart.drawing, "グループ２  TAG"));
    EXPECT_TRUE(HasText(chart.drawing, "ﾟC"));
}

TEST(GroupChart, ShowsTheLimitsAndAverageInTheLegendInTheCurrentUnit) {
    GroupSetting group = GroupOf(EveryTenMinutes({20.0f, 25.0f}), 932, -40);
    GroupChart chart = LayoutGroupChart(dataWith(1, group), 1, "ﾟF", 600, 300);
    EXPECT_TRUE(HasText(chart.drawing, "上限 932.0ﾟF"));
    EXPECT_TRUE(HasText(chart.drawing, "下限 -40.0ﾟF"));
    EXPECT_TRUE(HasText(chart.drawing, "平均 22.5ﾟF"));
}

TEST(GroupChart, LabelsTheTimeAxisInTheTablesDateForm) {
    GroupChart chart =
        LayoutGroupChart(dataWith(1, GroupOf(EveryTenMinutes({1, 2, 3, 4}))), 1, "ﾟC", 600, 300);
    EXPECT_TRUE(HasText(chart.drawing, "2008/02/28"));
    EXPECT_TRUE(HasText(chart.drawing, "14:10"));
}

TEST(GroupChart, DrawsAxesAndNoReadingsTextWithoutLegendForAnEmptyGroup) {
    GroupChart chart = LayoutGroupChart(DataSet{}, 7, "ﾟC", 600, 300);
    EXPECT_TRUE(chart.readings.empty());
    EXPECT_TRUE(HasText(chart.drawing, "ﾃﾞｰﾀなし"));
    EXPECT_FALSE(HasText(chart.drawing, "平均 0.0ﾟC"));
}

TEST(GroupChart, KeepsEveryReadingInsideATinyDrawing) {
    GroupChart chart =
        LayoutGroupChart(dataWith(1, GroupOf(EveryTenMinutes({1, 50}))), 1, "ﾟC", 10, 10);
    for (const PlottedReading& r : chart.readings) {
        EXPECT_TRUE(std::isfinite(r.at.x) && std::isfinite(r.at.y));
    }
    EXPECT_EQ(chart.readings.size(), 2u);
}

} // namespace
} // namespace vestra::chart
