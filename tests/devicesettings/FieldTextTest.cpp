#include "devicesettings/FieldText.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(ReadNumber, ReadsNumbersWithBlanksAroundThem) {
    EXPECT_FLOAT_EQ(ReadNumber("0.95"), 0.95f);
    EXPECT_FLOAT_EQ(ReadNumber("  -40 "), -40.0f);
    EXPECT_FLOAT_EQ(ReadNumber("+5"), 5.0f);
    EXPECT_FLOAT_EQ(ReadNumber(".5"), 0.5f);
    EXPECT_FLOAT_EQ(ReadNumber("1."), 1.0f);
    EXPECT_FLOAT_EQ(ReadNumber("1e2"), 100.0f);
    // The same float as the step grid produces, so a typed 0.95 equals a stored 0.95.
    EXPECT_EQ(ReadNumber("0.95"), 95.0f / 100.0f);
}

TEST(ReadNumber, AnythingElseReadsAsTenThousand) {
    for (const char* text : {"", "   ", "abc", "1 2", "0.9x", "+-5", "--5", "+", "-", ".", "inf",
                             "nan", "0x10", "1e999", "１"}) {
        EXPECT_EQ(ReadNumber(text), kUnreadableNumber) << text;
    }
}

TEST(TrimBlanks, RemovesOnlyOuterBlanks) {
    EXPECT_EQ(TrimBlanks("  A B  "), "A B");
    EXPECT_EQ(TrimBlanks("    "), "");
    EXPECT_EQ(TrimBlanks("TAG"), "TAG");
}

} // namespace
} // namespace vestra
