#include "devicesettings/SettingsListText.h"

#include "base/TemperatureUnit.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(SettingsListText, HeadingsCarryTheUnit) {
    DeviceSettings settings;
    auto celsius = SettingsListCells(settings, TemperatureUnit::Celsius);
    ASSERT_EQ(celsius.size(), 16u);
    EXPECT_EQ(celsius[0],
              (SettingsListRow{"グループ", "  タグ", "  放射率", "上限値(ﾟC)", "下限値(ﾟC)"}));
    auto fahrenheit = SettingsListCells(settings, TemperatureUnit::Fahrenheit);
    EXPECT_EQ(fahrenheit[0][3], "上限値(ﾟF)");
    EXPECT_EQ(fahrenheit[0][4], "下限値(ﾟF)");
}

TEST(SettingsListText, RowsShowTheSettingsAsTheyStand) {
    DeviceSettings settings;
    auto set = [&](int g, const char* tag, float e, float high, float low) {
        settings.group(g).tag = tag;
        settings.group(g).emissivity = e;
        settings.group(g).alarmHigh = high;
        settings.group(g).alarmLow = low;
    };
    set(1, "OVEN", 1.0f, 500, -40);
    set(15, "PIPE", 0.95f, 12.5f, 0);
    auto rows = SettingsListCells(settings, TemperatureUnit::Celsius);
    EXPECT_EQ(rows[1], (SettingsListRow{"1", "OVEN", "1.00", "500", "-40"}));
    EXPECT_EQ(rows[15], (SettingsListRow{"15", "PIPE", "0.95", "12.5", "0"}));
}

TEST(SettingsListText, PlainNumbers) {
    EXPECT_EQ(PlainNumber(932), "932");
    EXPECT_EQ(PlainNumber(-0.0f), "0");
    EXPECT_EQ(PlainNumber(0.1f), "0.1");
    EXPECT_EQ(PlainNumber(1e7f), "10000000");
}

} // namespace
} // namespace vestra
