#include "files/TextEncoding.h"

#include "base/FileFunc.h"

#include <string>

namespace vestra {

std::optional<TextEncoding> TextEncodingNamed(std::string_view name) {
    std::string lower = LowerCaseAscii(std::string(name));
    if (lower == "cp932") {
        return TextEncoding::Cp932;
    }
    if (lower == "utf-8" || lower == "utf8") {
        return TextEncoding::Utf8;
    }
    return std::nullopt;
}

} // namespace vestra
