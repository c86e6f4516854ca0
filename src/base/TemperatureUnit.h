#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vestra {

// The thermometer type. A run, a data file and a history row each have one; it is text only
// where it enters or leaves the program, and every edge reads and writes it here.
enum class TemperatureUnit { Celsius, Fahrenheit };

inline constexpr TemperatureUnit kTemperatureUnits[] = {TemperatureUnit::Celsius,
                                                        TemperatureUnit::Fahrenheit};

// "ﾟC" or "ﾟF": the unit in the windows, the reports, the exports, the settings file and the
// history database. The first character is the half-width katakana semi-voiced mark (0xDF in
// code page 932) that the thermometer's software has always shown as its degree sign.
std::string UnitText(TemperatureUnit unit);
// "C" or "F": the unit on the command lines, in the JSON documents and in the thermometer's
// lines.
std::string UnitLetter(TemperatureUnit unit);
// "qmc" or "qmf": the native data file's extension.
std::string NativeExtension(TemperatureUnit unit);

// Exactly "ﾟC" or "ﾟF"; anything else is none, and each edge keeps its own answer to it.
std::optional<TemperatureUnit> UnitFromText(std::string_view text);
// Exactly "C" or "F".
std::optional<TemperatureUnit> UnitFromLetter(std::string_view letter);

} // namespace vestra
