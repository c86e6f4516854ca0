#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Every text lives in memory as UTF-8; whatever leaves the program (data files, exports, the
// settings file, the serial line) is code page 932. This module is the only place that converts.
namespace vestra {

// UTF-8 to code page 932. A character the code page cannot hold becomes '?'.
std::string ToCp932(std::string_view utf8);

// Code page 932 to UTF-8. A byte sequence that is not valid code page 932 becomes '?'.
std::string FromCp932(std::string_view cp932);

// True when every character of the text has a code page 932 form.
bool IsCp932Representable(std::string_view utf8);

// Bytes the text takes in code page 932 (half-width 1, full-width 2).
std::size_t Cp932Length(std::string_view utf8);

// The text with its last characters dropped until it takes at most maxBytes in code page 932.
std::string FitCp932(std::string_view utf8, std::size_t maxBytes);

// 1-based position of the first character that takes two bytes in code page 932, 0 for none.
// A character the code page cannot hold does not count.
int FindWideChar(std::string_view utf8);

// The text cut into its characters (UTF-8 sequences); an invalid byte stands alone.
std::vector<std::string_view> SplitCharacters(std::string_view utf8);

// Number of characters in the text.
std::size_t CharacterCount(std::string_view utf8);

} // namespace vestra
