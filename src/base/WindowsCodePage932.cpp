#include "base/CodePage932.h"
#include "base/WindowsText.h"

#include <windows.h>

namespace vestra {
namespace {

constexpr UINT kCodePage932 = 932;

} // namespace

// Both directions pass through UTF-16, the system's own text; a character that does not convert
// is refused.
std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    std::optional<std::wstring> wide = WideFromCodePage(CP_UTF8, utf8);
    return wide ? CodePageFromWide(kCodePage932, *wide) : std::nullopt;
}

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
    std::optional<std::wstring> wide = WideFromCodePage(kCodePage932, cp932);
    return wide ? CodePageFromWide(CP_UTF8, *wide) : std::nullopt;
}

} // namespace vestra
