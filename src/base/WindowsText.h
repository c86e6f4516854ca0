#pragma once

#include <string>
#include <string_view>

namespace vestra {

// The program keeps text in UTF-8; the Windows API's wide (W) functions take UTF-16. Bytes that
// are no UTF-8 become U+FFFD, as the system's conversion makes them.
std::wstring WideText(std::string_view utf8);
std::string Utf8Text(std::wstring_view wide);

} // namespace vestra
