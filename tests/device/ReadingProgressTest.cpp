#include "device/ReadingProgress.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

struct ProgressCase {
    std::vector<std::pair<int, int>> groupsAndReadings;
    const char* expected;
};

class ReadingProgressTest : public ::testing::TestWithParam<ProgressCase> {};

TEST_P(ReadingProgressTest, CountsTheReadingsReceivedAndNamesTheGroupBeingSent) {
    DataSet buffer;
    for (auto [g, n] : GetParam().groupsAndReadings) {
        buffer.group(g).emissivity = 0.95f;
        buffer.group(g).recordValues.assign(static_cast<std::size_t>(n), 20.0f);
        // The count announced for the group is not what has arrived yet.
        buffer.group(g).recordCount = 99;
    }
    EXPECT_EQ(ReadingProgressText(buffer), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Imports, ReadingProgressTest,
                         ::testing::Values(ProgressCase{{}, "0件 (ｸﾞﾙｰﾌﾟ 0/15)"},
                                           ProgressCase{{{1, 30}, {2, 7}}, "37件 (ｸﾞﾙｰﾌﾟ 2/15)"},
                                           ProgressCase{{{1, 0}, {5, 4}}, "4件 (ｸﾞﾙｰﾌﾟ 5/15)"},
                                           ProgressCase{{{15, 150}}, "150件 (ｸﾞﾙｰﾌﾟ 15/15)"}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

} // namespace
} // namespace vestra
