#pragma once

#include "base/AsciiText.h"
#include "base/DateTime.h"

#include <optional>
#include <string_view>

// How the fields of the thermometer's dump lines are read.
namespace vestra::dumpfields {

using ascii::StartsWithKeyword;
using ascii::TrimBlanks;

// The number at the front of the text, as the group number and the reading count are sent:
// blanks anywhere are ignored, an optional sign, digits with an optional decimal part; reading
// stops at the first character that cannot continue the number. Empty when there is no digit.
std::optional<double> LeadingNumber(std::string_view text);

// A decimal number and nothing else but surrounding blanks: optional sign, digits with an
// optional decimal point. Empty for anything else, also for a number a float cannot hold.
std::optional<float> ParseDecimal(std::string_view text);

// A date-time that begins with its four-digit year, which must lie in 1980 to 2079.
std::optional<DateTime> ParseDumpDate(std::string_view text);

} // namespace vestra::dumpfields
