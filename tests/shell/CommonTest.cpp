#include "shell/Common.h"

#include "support/RecordingMessages.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vestra {
namespace {

const std::string C(kUnitCelsius);
const std::string F(kUnitFahrenheit);

TEST(Checks, LabelAndTagFollowOneRule) {
    for (const char* bad : {"", "ABC DEF", "ABCDEFGHIJK", "温度", "Ａ", " AB", "AB "}) {
        EXPECT_FALSE(IsValidLabel(bad)) << bad;
        EXPECT_FALSE(IsValidTag(bad)) << bad;
    }
    for (const char* good : {"ABCDEFGHIJ", "ｱｲｳ", "A", "ｱｲｳｴｵｶｷｸｹｺ"}) {
        EXPECT_TRUE(IsValidLabel(good)) << good;
        EXPECT_TRUE(IsValidTag(good)) << good;
    }
    EXPECT_FALSE(IsValidLabel("ｱｲｳｴｵｶｷｸｹｺｻ"));
}

TEST(Checks, EmissivityBoundsAreTheFloatsNearestTheLimits) {
    EXPECT_TRUE(IsValidEmissivity(0.3f));
    EXPECT_TRUE(IsValidEmissivity(1.0f));
    EXPECT_TRUE(IsValidEmissivity(1.9f));
    EXPECT_FALSE(IsValidEmissivity(0.29f));
    EXPECT_FALSE(IsValidEmissivity(1.91f));
    EXPECT_FALSE(IsValidEmissivity(std::nextafter(1.9f, 2.0f)));
    EXPECT_FALSE(IsValidEmissivity(std::nanf("")));
}

TEST(Checks, AlarmAndReadingRangesPerUnit) {
    EXPECT_TRUE(IsValidAlarm(932, F));
    EXPECT_FALSE(IsValidAlarm(932, C));
    EXPECT_TRUE(IsValidAlarm(500, C));
    EXPECT_FALSE(IsValidAlarm(500.1f, C));
    for (const std::string& unit : {C, F}) {
        EXPECT_TRUE(IsValidAlarm(-40, unit));
        EXPECT_FALSE(IsValidAlarm(-40.1f, unit));
    }
    EXPECT_TRUE(IsValidReading(-58, F));
    EXPECT_FALSE(IsValidReading(-58.1f, F));
    EXPECT_TRUE(IsValidReading(1022, F));
    EXPECT_FALSE(IsValidReading(1022.1f, F));
    EXPECT_TRUE(IsValidReading(550, C));
    EXPECT_FALSE(IsValidReading(550.1f, C));
    EXPECT_TRUE(IsValidReading(-50, C));
    EXPECT_FALSE(IsValidReading(-50.5f, C));
}

TEST(Checks, AnyUnitOtherThanCelsiusIsFahrenheit) {
    for (const std::string& odd : {std::string(), std::string("C"), std::string("ﾟc")}) {
        EXPECT_TRUE(IsValidAlarm(932, odd));
        EXPECT_TRUE(IsValidReading(-58, odd));
        EXPECT_TRUE(IsUnitLetter("F", odd));
        EXPECT_FALSE(IsUnitLetter("C", odd));
        EXPECT_EQ(NativeExtension(odd), "qmf");
    }
    EXPECT_EQ(NativeExtension(C), "qmc");
}

TEST(Checks, UnitLetterAndYear) {
    EXPECT_TRUE(IsUnitLetter("F", F));
    EXPECT_TRUE(IsUnitLetter("C", C));
    EXPECT_FALSE(IsUnitLetter("C", F));
    EXPECT_FALSE(IsUnitLetter("c", C));
    EXPECT_FALSE(IsValidYear(1979));
    EXPECT_TRUE(IsValidYear(1980));
    EXPECT_TRUE(IsValidYear(2079));
    EXPECT_FALSE(IsValidYear(2080));
}

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

TEST(Messages, FixedBoxesHaveTheirTextsAndIcons) {
    testing::RecordingMessages messages;
    ShowNotSupported(messages);
    ShowInputError(messages);
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.entries[0].text,
              "デバッグ中です！\r\nまだその機能はサポートされていません。");
    EXPECT_EQ(messages.entries[0].icon, MessageIcon::Critical);
    EXPECT_EQ(messages.entries[1].text, "入力に誤りがあります！");
    EXPECT_EQ(messages.entries[1].icon, MessageIcon::Exclamation);
}

} // namespace
} // namespace vestra
