#include "print/ReportLines.h"

#include "base/TextCodec.h"
#include "print/ReportPages.h"
#include "print/ReportSample.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

using testing::SampleStore;
using testing::SampleTime;

PrintOptions onlyGroup(int n) {
    PrintOptions o = AllPrintOptions();
    o.printGroup.fill(false);
    o.setGroup(n, true);
    return o;
}

DataStore threeReadings() {
    return SampleStore(
        {{{SampleTime(0), 30.0f, ""}, {SampleTime(5), 30.1f, "高温"}, {SampleTime(10), 9.9f, ""}}});
}

std::vector<std::string> firstPage(const DataSet& data, const PrintOptions& o) {
    auto pages =
        PaginateReport(ReportLines(data, o, TemperatureUnit::Celsius), o.printPageNumber, 60);
    return pages.empty() ? std::vector<std::string>{} : pages.front().lines;
}

TEST(ReportLines, EverySwitchOnWithOneGroupOfThreeReadings) {
    DataStore store = threeReadings();
    std::vector<std::string> expected = {
        "ﾍﾟｰｼﾞ 1",
        "",
        "件名        ライン点検",
        "日時        2008/03/01 09:15:30",
        "本体ﾗﾍﾞﾙ    VESTRA01",
        "測定単位    ﾟC",
        "全収録数    3件",
        "",
        "ｸﾞﾙｰﾌﾟ1",
        "    対象物  炉壁1",
        "    測定者  山田",
        "    ﾀｸﾞ     TAG1",
        "    放射率    0.95",
        "    上限値   30.0ﾟC",
        "    下限値   10.0ﾟC",
        "    収録数  3件",
        "    収録No.     収録日時       データ(ﾟC)    警報    備考",
        "         1  2008/03/01 09:00     30.0                ", // on the limit: no mark
        "         2  2008/03/01 09:05     30.1        high    高温",
        "         3  2008/03/01 09:10      9.9        low     ",
        "    最大値  2008/03/01 09:05     30.1",
        "    最小値  2008/03/01 09:10      9.9",
        "    平均値                       23.3",
    };
    EXPECT_EQ(firstPage(store.currentData, onlyGroup(1)), expected);
}

TEST(ReportLines, ValuesAndColumnsLineUpInAFixedPitchFont) {
    // In code page 932 a character's byte count is its width in columns.
    DataStore store = threeReadings();
    auto lines = ReportLines(store.currentData, onlyGroup(1), TemperatureUnit::Celsius);
    ASSERT_EQ(lines.size(), 21u);
    std::vector<std::pair<std::size_t, std::string>> values = {
        {0, "ライン点検"}, {1, "2008/03/01 09:15:30"},
        {2, "VESTRA01"},   {3, "ﾟC"},
        {4, "3件"},        {7, "炉壁1"},
        {8, "山田"},       {9, "TAG1"},
        {10, "  0.95"},    {11, " 30.0ﾟC"},
        {12, " 10.0ﾟC"},   {13, "3件"}};
    for (const auto& [i, value] : values) {
        ASSERT_TRUE(lines[i].ends_with(value)) << lines[i];
        EXPECT_EQ(Cp932Length(lines[i]) - Cp932Length(value), 12u) << lines[i];
    }
    // The statistics values end in the column where the reading values end.
    std::size_t readingEnd = Cp932Length(lines[15]) - 8 - 8;
    for (std::size_t i : {18, 19, 20}) {
        EXPECT_EQ(Cp932Length(lines[i]), readingEnd) << lines[i];
    }
}

TEST(ReportLines, GroupWithoutReadingsEndsAfterItsCount) {
    DataStore store = threeReadings();
    auto lines = ReportLines(store.currentData, onlyGroup(2), TemperatureUnit::Fahrenheit);
    std::vector<std::string> group(lines.begin() + 5, lines.end());
    std::vector<std::string> expected = {
        "",
        "ｸﾞﾙｰﾌﾟ2",
        "    対象物  炉壁2",
        "    測定者  山田",
        "    ﾀｸﾞ     TAG2",
        "    放射率    0.95",
        "    上限値   30.0ﾟF",
        "    下限値   10.0ﾟF",
        "    収録数  0件",
    };
    EXPECT_EQ(group, expected);
}

TEST(ReportLines, SwitchedOffLinesAndStatisticsWithoutTheTableTakeNoRoom) {
    DataStore store = threeReadings();
    PrintOptions o = onlyGroup(1);
    o.printRecords = false;
    o.printSubject = o.printTag = false;
    auto lines = ReportLines(store.currentData, o, TemperatureUnit::Celsius);
    EXPECT_EQ(lines.back(), "    収録数  3件");
    EXPECT_EQ(lines.size(), 4u + 2u + 6u);
    EXPECT_EQ(lines.front(), "日時        2008/03/01 09:15:30");
}

} // namespace
} // namespace vestra
