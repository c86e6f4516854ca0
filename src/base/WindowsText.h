#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vestra {

// The program's text is UTF-8 (or code page 932 in the files of the old format); the Windows
// API's is UTF-16. These convert between a code page (CP_UTF8, 932) and UTF-16 for the Windows
// files of the program, refusing what does not convert instead of writing a look-alike or '?'.
std::optional<std::wstring> WideFromCodePage(unsigned codePage, std::string_view bytes);
std::optional<std::string> CodePageFromWide(unsigned codePage, std::wstring_view wide);

// A UTF-8 path for the W functions. A path that is no UTF-8 names no file: it becomes the empty
// name, which every W function refuses.
std::wstring WidePath(const std::string& path);

// A name from the W functions in UTF-8 (a lone surrogate, which no UTF-8 holds, gives U+FFFD).
std::string Utf8Path(std::wstring_view wide);

} // namespace vestra
