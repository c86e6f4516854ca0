#include "base/NumberFormat.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(NumberFormat, RoundsDecimalHalvesAwayFromZero) {
    // The floats nearest these values lie below the half; the shortest text does not.
    EXPECT_EQ(FormatNumber(22.35f, "###0.0"), "22.4");
    EXPECT_EQ(FormatNumber(22.25f, "###0.0"), "22.3");
    EXPECT_EQ(FormatNumber(-22.35f, "###0.0"), "-22.4");
    EXPECT_EQ(FormatNumber(0.95f, "#0.00"), "0.95");
    EXPECT_EQ(FormatNumber(0.955f, "#0.00"), "0.96");
    EXPECT_EQ(FormatNumber(0.5f, "##0"), "1");
    EXPECT_EQ(FormatNumber(2.5f, "##0"), "3");
    EXPECT_EQ(FormatNumber(-2.5f, "###0"), "-3");
    EXPECT_EQ(FormatNumber(2.4999f, "##0"), "2");
}

TEST(NumberFormat, CarriesThroughNines) {
    EXPECT_EQ(FormatNumber(9.96f, "###0.0"), "10.0");
    EXPECT_EQ(FormatNumber(999.95f, "###0.0"), "1000.0");
    EXPECT_EQ(FormatNumber(1.999f, "#0.00"), "2.00");
}

TEST(NumberFormat, DropsTheSignOfAZeroResult) {
    EXPECT_EQ(FormatNumber(-0.04f, "###0.0"), "0.0");
    EXPECT_EQ(FormatNumber(-0.0f, "##0"), "0");
    EXPECT_EQ(FormatNumber(-0.4f, "###0"), "0");
    EXPECT_EQ(FormatNumber(-0.05f, "###0.0"), "-0.1");
}

TEST(NumberFormat, PadsMandatoryDigits) {
    EXPECT_EQ(FormatNumber(1.0f, "0#"), "01");
    EXPECT_EQ(FormatNumber(15.0f, "0#"), "15");
    EXPECT_EQ(FormatNumber(0.3f, "#0.00"), "0.30");
    EXPECT_EQ(FormatNumber(0.0f, "###0.0"), "0.0");
    EXPECT_EQ(FormatNumber(1022.0f, "###0.0"), "1022.0");
    EXPECT_EQ(FormatNumber(123456.0f, "##0"), "123456");
}

TEST(NumberFormat, WritesTinyValuesWithoutExponent) {
    EXPECT_EQ(FormatNumber(0.00001f, "#0.00"), "0.00");
    EXPECT_EQ(FormatNumber(0.005f, "#0.00"), "0.01");
    EXPECT_EQ(FormatNumber(-0.00001f, "###0.0"), "0.0");
}

} // namespace
} // namespace vestra
