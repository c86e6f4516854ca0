#include "device/DumpFields.h"

#include <gtest/gtest.h>

namespace vestra::dumpfields {
namespace {

TEST(DumpFieldsTest, LeadingNumberReadsLikeAHandTypedNumber) {
    EXPECT_EQ(LeadingNumber("12"), 12.0);
    EXPECT_EQ(LeadingNumber(" 1 5 "), 15.0);
    EXPECT_EQ(LeadingNumber("7pcs"), 7.0);
    EXPECT_EQ(LeadingNumber("-3.5"), -3.5);
    EXPECT_EQ(LeadingNumber("2.5.1"), 2.5);
    EXPECT_FALSE(LeadingNumber(""));
    EXPECT_FALSE(LeadingNumber("-"));
    EXPECT_FALSE(LeadingNumber("x1"));
    EXPECT_GT(*LeadingNumber(std::string(400, '9')), 1e300);
}

TEST(DumpFieldsTest, ParseDecimalTakesNothingButANumber) {
    EXPECT_EQ(ParseDecimal(" 0.95 "), 0.95f);
    EXPECT_EQ(ParseDecimal("+5"), 5.0f);
    EXPECT_EQ(ParseDecimal("-40"), -40.0f);
    EXPECT_EQ(ParseDecimal(".5"), 0.5f);
    for (const char* bad : {"", ".", "1e2", "1,5", "0x10", "5 0", "--1", "inf", "nan"}) {
        EXPECT_FALSE(ParseDecimal(bad)) << bad;
    }
    EXPECT_FALSE(ParseDecimal(std::string(60, '9'))); // beyond any float
}

TEST(DumpFieldsTest, KeywordsIgnoreLetterCase) {
    EXPECT_TRUE(StartsWithKeyword("alarm(h)=5C", "ALARM(H)="));
    EXPECT_FALSE(StartsWithKeyword("ALARM(H)", "ALARM(H)="));
    EXPECT_FALSE(StartsWithKeyword(" TAG=A", "TAG="));
}

} // namespace
} // namespace vestra::dumpfields
