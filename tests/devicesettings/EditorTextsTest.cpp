#include "devicesettings/EditorTexts.h"

#include "base/TemperatureUnit.h"
#include "devicesettings/SettingDefaults.h"
#include "devicesettings/SettingsLine.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(EditorTexts, MeasuringRangeFollowsTheUnit) {
    EXPECT_EQ(MeasuringRangeText(TemperatureUnit::Celsius),
              "お使いの機種の\r\n測定範囲は\r\n   -40ﾟC から\r\n   500ﾟC です。");
    EXPECT_EQ(MeasuringRangeText(TemperatureUnit::Fahrenheit),
              "お使いの機種の\r\n測定範囲は\r\n   -40ﾟF から\r\n   932ﾟF です。");
}

TEST(EditorTexts, WarningStartsWithAFullWidthBlank) {
    EXPECT_EQ(MemoryWarningText(),
              "　！！警告！！\r\n\r\n本機能を実行すると内部メモりデータは全て消去されてしまいます。"
              "\r\n大切なデータを取り込んだ後に実行することをおすすめします。");
}

TEST(EditorTexts, TabAndFrameCaptions) {
    EXPECT_EQ(TabCaption(1), " 1");
    EXPECT_EQ(TabCaption(9), " 9");
    EXPECT_EQ(TabCaption(15), "15");
    EXPECT_EQ(GroupFrameCaption(1), "グループ１");
    EXPECT_EQ(GroupFrameCaption(10), "グループ１０");
    EXPECT_EQ(GroupFrameCaption(15), "グループ１５");
}

TEST(SettingDefaults, TagsAndHighAlarm) {
    EXPECT_EQ(DefaultTag(1), "GROUP01");
    EXPECT_EQ(DefaultTag(15), "GROUP15");
    EXPECT_EQ(DefaultAlarmHigh(TemperatureUnit::Celsius), 500.0f);
    EXPECT_EQ(DefaultAlarmHigh(TemperatureUnit::Fahrenheit), 932.0f);
}

TEST(SettingsLine, FieldsAsTheThermometerTakesThem) {
    GroupSetting row;
    row.tag = " OVEN ";
    row.emissivity = 0.95f;
    row.alarmHigh = 500;
    row.alarmLow = -40;
    EXPECT_EQ(FormatSettingsFields(3, row), "03 OVEN 0.95 500 -40");
    row.emissivity = 1.0f;
    row.alarmHigh = 0;
    row.alarmLow = -0.4f;
    EXPECT_EQ(FormatSettingsFields(15, row), "15 OVEN 1.00 0 0");
    row.emissivity = 0.3f;
    row.alarmHigh = 12.5f;
    EXPECT_EQ(FormatSettingsFields(7, row), "07 OVEN 0.30 13 0");
}

} // namespace
} // namespace vestra
