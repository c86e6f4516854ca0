#pragma once

#include <optional>
#include <string_view>

namespace vestra {

// The characters of a CSV or text output: code page 932, as the Windows program wrote them, or
// UTF-8, as today's scripts and spreadsheets read them.
enum class TextEncoding { Cp932, Utf8 };

// "cp932" or "utf-8" (also "utf8"), in any letter case; empty for any other name.
std::optional<TextEncoding> TextEncodingNamed(std::string_view name);

} // namespace vestra
