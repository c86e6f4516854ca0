#pragma once

#include <string>
#include <string_view>

namespace vestra {

// What a text box of the settings editor reads as when a value outside every range is wanted.
inline constexpr float kUnreadableNumber = 10000.0f;

// The text without leading and trailing blanks.
std::string TrimBlanks(std::string_view text);

// The number a box denotes: an optional sign, digits with at most one decimal point and an
// optional exponent, blanks allowed around it. Anything else (empty, letters, "inf", a value
// too large for a float) reads as kUnreadableNumber, which fails every range check.
float ReadNumber(std::string_view text);

} // namespace vestra
