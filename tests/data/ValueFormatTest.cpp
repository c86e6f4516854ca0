#include "data/ValueFormat.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(Formats, AlignToTheirTableWidthsWithoutCutting) {
    EXPECT_EQ(FormatCount(7, false), "7");
    EXPECT_EQ(FormatCount(7, true), "  7");
    EXPECT_EQ(FormatCount(150, true), "150");
    EXPECT_EQ(FormatCount(0, false), "0");
    EXPECT_EQ(FormatTemperature(5, true), "  5.0");
    EXPECT_EQ(FormatTemperature(5, false), "5.0");
    EXPECT_EQ(FormatTemperature(-40, true), "-40.0");
    EXPECT_EQ(FormatTemperature(1022, true), "1022.0");
    EXPECT_EQ(FormatTemperature(-0.04f, false), "0.0");
    EXPECT_EQ(FormatEmissivity(0.95f, true), "  0.95");
    EXPECT_EQ(FormatEmissivity(0.95f, false), "0.95");
    EXPECT_EQ(FormatEmissivity(1.9f, true), "  1.90");
}

TEST(Formats, TimestampDropsSeconds) {
    EXPECT_EQ(FormatTimestamp({2008, 3, 1, 9, 5, 59}), "2008/03/01 09:05");
    EXPECT_EQ(FormatTimestampSeconds({2008, 3, 1, 9, 5, 59}), "2008/03/01 09:05:59");
    EXPECT_EQ(FormatTimestamp({2079, 12, 31, 23, 59, 59}), "2079/12/31 23:59");
}

TEST(Formats, PadLeftCountsCharactersNotBytes) {
    EXPECT_EQ(PadLeft("温", 3), "  温");
    EXPECT_EQ(PadLeft("abcd", 3), "abcd");
    EXPECT_EQ(PadLeft("", 2), "  ");
    EXPECT_EQ(PadLeft("ab", -1), "ab");
}

} // namespace
} // namespace vestra
