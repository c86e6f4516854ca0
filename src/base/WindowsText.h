#pragma once

#include <string>
#include <string_view>

namespace vestra {

// The program's text is UTF-8; the system's wide-character functions take UTF-16. Every Windows
// file converts at the call through these two. They never fail: an invalid sequence (a lone
// surrogate in a name the system gives) becomes U+FFFD.
std::wstring WideText(std::string_view utf8);
std::string Utf8Text(std::wstring_view wide);

} // namespace vestra
