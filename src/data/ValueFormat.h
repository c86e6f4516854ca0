#pragma once

#include "base/DateTime.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vestra {

// The thermometer's values as every table, report, export and chart writes them; aligned, a
// value takes its table column's width.
std::string FormatCount(std::int16_t n, bool aligned);
std::string FormatTemperature(float x, bool aligned);
std::string FormatEmissivity(float x, bool aligned);
// "yyyy/mm/dd hh:mm": seconds are dropped, not rounded.
std::string FormatTimestamp(const DateTime& t);
// "yyyy/mm/dd hh:mm:ss".
std::string FormatTimestampSeconds(const DateTime& t);

// Blanks in front until the text is width characters long; longer text is never cut.
std::string PadLeft(std::string_view text, int width);

} // namespace vestra
