#pragma once

#include "base/TemperatureUnit.h"
#include "data/DataSet.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vestra {

using SettingsListRow = std::array<std::string, 5>;

// The table of the settings list: row 0 the headings (the alarm headings carry the unit),
// rows 1 to 15 group number, tag, emissivity ("#0.00") and the two limits as plain numbers,
// all as they stand in the settings.
std::vector<SettingsListRow> SettingsListCells(const DeviceSettings& settings,
                                               TemperatureUnit unit);

// A float as its shortest decimal text without exponent: 500, 12.5, -40.
std::string PlainNumber(float value);

} // namespace vestra
