#pragma once

#include "base/TemperatureUnit.h"

#include <string_view>

namespace vestra {

// What the thermometer's values may be, wherever they come from: a data file, its lines, the
// settings editor, the simulator.

// Labels and tags: not empty, single-byte characters only, no blank, at most 10 characters.
bool IsValidLabel(std::string_view text);
bool IsValidTag(std::string_view text);

bool IsValidYear(int year);
bool IsValidEmissivity(float x);
bool IsValidAlarm(float x, TemperatureUnit unit);
bool IsValidReading(float x, TemperatureUnit unit);

} // namespace vestra
