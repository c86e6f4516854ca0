#include "chart/TextWidth.h"

#include <gtest/gtest.h>

namespace vestra::chart {
namespace {

struct WidthCase {
    const char* text;
    double ems;
};

class TextWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(TextWidthTest, CountsHalfWidthCharactersAsHalfAnEm) {
    EXPECT_DOUBLE_EQ(TextWidth(GetParam().text, 10), GetParam().ems * 10);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextWidthTest,
                         ::testing::Values(WidthCase{"", 0}, WidthCase{"30.0", 2},
                                           WidthCase{"ﾃﾞｰﾀ", 2}, WidthCase{"上限 ", 2.5},
                                           WidthCase{"\xE4", 0.5}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

} // namespace
} // namespace vestra::chart
