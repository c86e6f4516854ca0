#pragma once

#include <string>
#include <string_view>

namespace vestra {

// Formats a value with a digit pattern such as "##0", "###0.0", "#0.00", "0#" or "###0":
// "0" is a mandatory digit, "#" an optional one, "." the decimal point, no grouping.
// The float is first written as the shortest decimal text that reads back as the same float,
// and that text is rounded to the pattern's decimals, halves away from zero; so the float
// nearest 22.35 gives 22.4, as a user reading 22.35 expects. A result that rounds to zero
// carries no minus sign.
std::string FormatNumber(float value, std::string_view pattern);

// The shortest decimal text that reads back as the same float ("23.4", "1e-07"), for the
// machine-read forms: the history's database and JSON.
std::string ShortestFloatText(float value);

} // namespace vestra
