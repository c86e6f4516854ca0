#include "devicesettings/StepScale.h"

#include "base/TemperatureUnit.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(StepScale, EmissivityStepsInHundredths) {
    EXPECT_EQ(ToPosition(SettingBox::Emissivity, 0.95f), 95);
    EXPECT_EQ(ToPosition(SettingBox::Emissivity, 0.3f), 30);
    EXPECT_EQ(ToPosition(SettingBox::Emissivity, 1.9f), 190);
    EXPECT_EQ(FromPosition(SettingBox::Emissivity, 95), 0.95f);
    EXPECT_EQ(FromPosition(SettingBox::Emissivity, 51), 0.51f);
}

TEST(StepScale, AlarmsCountDegreesFromMinusForty) {
    EXPECT_EQ(ToPosition(SettingBox::AlarmLow, -40.0f), 0);
    EXPECT_EQ(ToPosition(SettingBox::AlarmHigh, 500.0f), 540);
    EXPECT_EQ(FromPosition(SettingBox::AlarmHigh, 540), 500.0f);
    EXPECT_EQ(FromPosition(SettingBox::AlarmLow, 0), -40.0f);
}

TEST(StepScale, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(ToPosition(SettingBox::AlarmHigh, 2.5f), 42);
    EXPECT_EQ(ToPosition(SettingBox::AlarmHigh, 3.5f), 44);
    EXPECT_EQ(ToPosition(SettingBox::AlarmLow, -39.5f), 0);
    EXPECT_EQ(ToPosition(SettingBox::Emissivity, 0.125f), 12);
    EXPECT_EQ(ToPosition(SettingBox::Emissivity, 0.375f), 38);
}

TEST(StepScale, HugeValuesStayFarOutsideTheLimits) {
    EXPECT_GT(ToPosition(SettingBox::Emissivity, 3e38f), 1000000);
    EXPECT_LT(ToPosition(SettingBox::AlarmHigh, -3e38f), -1000000);
}

TEST(StepScale, LimitsDependOnTheUnit) {
    EXPECT_EQ(LowestPosition(SettingBox::Emissivity), 30);
    EXPECT_EQ(HighestPosition(SettingBox::Emissivity, TemperatureUnit::Fahrenheit), 190);
    EXPECT_EQ(LowestPosition(SettingBox::AlarmHigh), 0);
    EXPECT_EQ(HighestPosition(SettingBox::AlarmHigh, TemperatureUnit::Celsius), 540);
    EXPECT_EQ(HighestPosition(SettingBox::AlarmLow, TemperatureUnit::Fahrenheit), 972);
}

TEST(StepScale, BoxTexts) {
    EXPECT_EQ(FormatBoxNumber(SettingBox::Emissivity, 1.0f), "1.00");
    EXPECT_EQ(FormatBoxNumber(SettingBox::Emissivity, 0.5f), "0.50");
    EXPECT_EQ(FormatBoxNumber(SettingBox::AlarmLow, -40.0f), "-40");
    EXPECT_EQ(FormatBoxNumber(SettingBox::AlarmHigh, 0.0f), "0");
}

} // namespace
} // namespace vestra
