#pragma once

#include "base/TemperatureUnit.h"

#include <string>
#include <string_view>

namespace vestra {

// The boxes of the settings editor: the label, and per group the tag and three numbers.
enum class SettingBox { Label, Tag, Emissivity, AlarmHigh, AlarmLow };

// The numbers are also held as step positions, the integers the up-down arrows count in: one
// step is 0.01 of emissivity or one degree of alarm. Alarm positions start at -40 degrees so
// that they are never negative.
int ToPosition(SettingBox number, float value);
float FromPosition(SettingBox number, int position);

// Position limits of every number control when the editor opens (before the alarm pair is
// coupled): emissivity 0.30 to 1.90, alarms -40 to 500 (Celsius) or 932 (Fahrenheit).
int LowestPosition(SettingBox number);
int HighestPosition(SettingBox number, TemperatureUnit unit);

// The text a number box shows: "#0.00" for emissivity, a plain integer for alarms.
std::string FormatBoxNumber(SettingBox number, float value);

} // namespace vestra
