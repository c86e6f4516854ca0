#pragma once

#include <string_view>

// Keywords and fields of the thermometer's lines and of the settings file's keys are ASCII:
// compared without regard to letter case, padded with blanks.
namespace vestra::ascii {

// True when the line begins with the keyword, letters compared without regard to case.
bool StartsWithKeyword(std::string_view line, std::string_view keyword);

// The text without leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);

} // namespace vestra::ascii
