#include "devicesettings/SettingsListText.h"

#include "data/ValueFormat.h"

#include <charconv>

namespace vestra {

std::string PlainNumber(float value) {
    if (value == 0) {
        return "0"; // also for -0, which no user has typed
    }
    char text[64];
    auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return std::string(text, result.ptr);
}

std::vector<SettingsListRow> SettingsListCells(const DeviceSettings& settings,
                                               TemperatureUnit unit) {
    std::string unitText = "(" + UnitText(unit) + ")";
    std::vector<SettingsListRow> rows;
    rows.push_back({"グループ", "  タグ", "  放射率", "上限値" + unitText, "下限値" + unitText});
    for (int g = 1; g <= kGroupCount; ++g) {
        const GroupSetting& row = settings.group(g);
        rows.push_back({std::to_string(g), row.tag, FormatEmissivity(row.emissivity, false),
                        PlainNumber(row.alarmHigh), PlainNumber(row.alarmLow)});
    }
    return rows;
}

} // namespace vestra
