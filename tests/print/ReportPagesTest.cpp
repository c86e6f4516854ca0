#include "print/ReportPages.h"

#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

std::vector<std::string> numberedBody(int count) {
    std::vector<std::string> body;
    for (int i = 1; i <= count; ++i) {
        body.push_back("line " + std::to_string(i));
    }
    return body;
}

TEST(PageCapacity, TenLinesPassNineFail) {
    testing::RecordingMessages messages;
    EXPECT_TRUE(CheckLinesPerPage(LinesPerPage(100.0, 10.0), messages));
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_FALSE(CheckLinesPerPage(LinesPerPage(99.9, 10.0), messages));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text,
              "用紙ｻｲｽﾞが小さすぎます。\r\nもう少し大きい用紙ｻｲｽﾞを指定してください。");
    EXPECT_EQ(messages.entries[0].icon, MessageIcon::Exclamation);
}

TEST(PageCapacity, UnusableMeasuresGiveNoLines) {
    EXPECT_EQ(LinesPerPage(0.0, 3.8), 0);
    EXPECT_EQ(LinesPerPage(297.0, 0.0), 0);
    EXPECT_EQ(LinesPerPage(297.0, -1.0), 0);
    EXPECT_EQ(LinesPerPage(281.0, 3.8), 73);
}

TEST(Paging, TenLinesPerPageCarryPageLineBlankAndEightReportLines) {
    auto pages = PaginateReport(numberedBody(20), true, 10);
    ASSERT_EQ(pages.size(), 3u);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        EXPECT_EQ(pages[p].number, static_cast<int>(p) + 1);
        EXPECT_EQ(pages[p].lines[0], "ﾍﾟｰｼﾞ " + std::to_string(p + 1));
        EXPECT_EQ(pages[p].lines[1], "");
    }
    EXPECT_EQ(pages[0].lines.size(), 10u);
    EXPECT_EQ(pages[1].lines[2], "line 9");
    EXPECT_EQ(pages[1].lines[9], "line 16");
    EXPECT_EQ(pages[2].lines, (std::vector<std::string>{"ﾍﾟｰｼﾞ 3", "", "line 17", "line 18",
                                                        "line 19", "line 20"}));
}

TEST(Paging, WithoutPageNumbersOnlyTheBlankLineStartsAPage) {
    auto pages = PaginateReport(numberedBody(10), false, 10);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].lines.front(), "");
    EXPECT_EQ(pages[0].lines.back(), "line 9");
    EXPECT_EQ(pages[1].lines, (std::vector<std::string>{"", "line 10"}));
}

TEST(Paging, AReportThatFillsItsLastPageExactlyGetsNoEmptyPage) {
    auto pages = PaginateReport(numberedBody(16), true, 10);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].lines.back(), "line 16");
    EXPECT_TRUE(PaginateReport({}, true, 10).empty());
}

} // namespace
} // namespace vestra
