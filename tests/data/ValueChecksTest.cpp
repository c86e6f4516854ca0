#include "data/ValueChecks.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vestra {
namespace {

constexpr TemperatureUnit C = TemperatureUnit::Celsius;
constexpr TemperatureUnit F = TemperatureUnit::Fahrenheit;

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
    for (TemperatureUnit unit : {C, F}) {
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

TEST(Checks, YearsRunFrom1980To2079) {
    EXPECT_FALSE(IsValidYear(1979));
    EXPECT_TRUE(IsValidYear(1980));
    EXPECT_TRUE(IsValidYear(2079));
    EXPECT_FALSE(IsValidYear(2080));
}

} // namespace
} // namespace vestra
