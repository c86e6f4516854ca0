#pragma once

#include "base/TemperatureUnit.h"

#include <string>
#include <string_view>

namespace vestra {

// The thermometer's factory settings, which the editor offers when no data is loaded and
// restores per group on request.
inline constexpr std::string_view kDefaultLabel = "VESTRA";
inline constexpr float kDefaultEmissivity = 0.95f;
inline constexpr float kDefaultAlarmLow = -40.0f;

// "GROUP01" to "GROUP15".
std::string DefaultTag(int group);
// 500 for the Celsius type, 932 for the Fahrenheit type: the top of the measuring range.
float DefaultAlarmHigh(TemperatureUnit unit);

} // namespace vestra
