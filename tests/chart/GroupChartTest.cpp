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

TEST(GroupChart, TitlesTheChartWithTheGroupItsTagAndItsObject) {
    struct Case {
        const char* tag;
        const char* object;
        const char* title;
    };
    for (const Case& c :
         {Case{"TAG", "OVEN", "グループ２  TAG  OVEN"}, Case{"TAG", "", "グループ２  TAG"},
          Case{"", "OVEN", "グループ２  OVEN"}}) {
        GroupSetting group = GroupOf(EveryTenMinutes({20, 25}));
        group.tag = c.tag;
        group.target = c.object;
        GroupChart chart =
            LayoutGroupChart(dataWith(2, group), 2, TemperatureUnit::Celsius, 600, 300);
        EXPECT_TRUE(HasText(chart.drawing, c.title)) << c.title;
    }
}

TEST(GroupChart, ShowsTheLimitsAndAverageInTheLegendInTheCurrentUnit) {
    GroupSetting group = GroupOf(EveryTenMinutes({20.0f, 25.0f}), 932, -40);
    GroupChart chart =
        LayoutGroupChart(dataWith(1, group), 1, TemperatureUnit::Fahrenheit, 600, 300);
    EXPECT_TRUE(HasText(chart.drawing, "上限 932.0ﾟF"));
    EXPECT_TRUE(HasText(chart.drawing, "下限 -40.0ﾟF"));
    EXPECT_TRUE(HasText(chart.drawing, "平均 22.5ﾟF"));
}

TEST(GroupChart, LabelsTheTimeAxisInTheTablesDateForm) {
    GroupChart chart = LayoutGroupChart(dataWith(1, GroupOf(EveryTenMinutes({1, 2, 3, 4}))), 1,
                                        TemperatureUnit::Celsius, 600, 300);
    EXPECT_TRUE(HasText(chart.drawing, "2008/02/28"));
    EXPECT_TRUE(HasText(chart.drawing, "14:10"));
}

TEST(GroupChart, DrawsAxesAndNoReadingsTextWithoutLegendForAnEmptyGroup) {
    GroupChart chart = LayoutGroupChart(DataSet{}, 7, TemperatureUnit::Celsius, 600, 300);
    EXPECT_TRUE(chart.readings.empty());
    EXPECT_TRUE(HasText(chart.drawing, "ﾃﾞｰﾀなし"));
    EXPECT_FALSE(HasText(chart.drawing, "平均 0.0ﾟC"));
}

TEST(GroupChart, KeepsEveryReadingInsideATinyDrawing) {
    GroupChart chart = LayoutGroupChart(dataWith(1, GroupOf(EveryTenMinutes({1, 50}))), 1,
                                        TemperatureUnit::Celsius, 10, 10);
    for (const PlottedReading& r : chart.readings) {
        EXPECT_TRUE(std::isfinite(r.at.x) && std::isfinite(r.at.y));
    }
    EXPECT_EQ(chart.readings.size(), 2u);
}

struct CaptionCase {
    int no;
    const char* expected;
};

class ReadingCaptionTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(ReadingCaptionTest, TellsNumberTimeValueAlarmAndRemark) {
    GroupSetting group = GroupOf(EveryTenMinutes({20.0f, 30.1f, 9.9f}));
    group.remarks = {"", "扉付近", ""};
    EXPECT_EQ(ReadingCaption(group, GetParam().no, TemperatureUnit::Celsius), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, ReadingCaptionTest,
    ::testing::Values(CaptionCase{1, "収録No. 1\n2008/02/28 14:10\n20.0ﾟC"},
                      CaptionCase{2, "収録No. 2\n2008/02/28 14:20\n30.1ﾟC  high\n扉付近"},
                      CaptionCase{3, "収録No. 3\n2008/02/28 14:30\n9.9ﾟC  low"}, CaptionCase{0, ""},
                      CaptionCase{4, ""}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

} // namespace
} // namespace vestra::chart
