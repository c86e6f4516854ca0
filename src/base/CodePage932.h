#pragma once

#include <optional>
#include <string>
#include <string_view>

// The system's tables of code page 932, the one conversion each platform does in its own way
// (PosixCodePage932: glibc's iconv; WindowsCodePage932: the system's conversion functions).
// Whole texts only: nothing at the first character the code page cannot hold or the first byte
// sequence it does not encode, never a look-alike in its place. TextCodec builds on these.
namespace vestra {

std::optional<std::string> Utf8ToCp932(std::string_view utf8);
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);

} // namespace vestra
