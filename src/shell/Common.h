#pragma once

#include "shell/DateTime.h"
#include "shell/MessageSink.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vestra {

// The thermometer type: "ﾟC" or "ﾟF". The first character is the half-width katakana
// semi-voiced mark (0xDF in code page 932) that the thermometer's software has always shown as
// its degree sign. Every unit decision is the single test for "ﾟC"; anything else is
// Fahrenheit.
using TemperatureUnit = std::string;

inline constexpr std::string_view kUnitCelsius = "ﾟC";
inline constexpr std::string_view kUnitFahrenheit = "ﾟF";

inline bool IsCelsius(std::string_view unit) {
    return unit == kUnitCelsius;
}

// "qmc" for the Celsius type, "qmf" for any other unit.
std::string NativeExtension(std::string_view unit);

void ShowNotSupported(MessageSink& messages);
void ShowInputError(MessageSink& messages);

// Labels and tags: not empty, single-byte characters only, no blank, at most 10 characters.
bool IsValidLabel(std::string_view text);
bool IsValidTag(std::string_view text);

bool IsValidYear(int year);
bool IsValidEmissivity(float x);
bool IsValidAlarm(float x, std::string_view unit);
bool IsValidReading(float x, std::string_view unit);
bool IsUnitLetter(std::string_view letter, std::string_view unit);

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
