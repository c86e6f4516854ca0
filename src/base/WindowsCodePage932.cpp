#include "base/CodePage932.h"

#include <windows.h>

namespace vestra {
namespace {

constexpr UINT kCodePage932 = 932;

// Both directions pass through UTF-16, the system's own text. Every call checks for characters
// that do not convert: MB_ERR_INVALID_CHARS refuses an invalid byte sequence, and
// WC_NO_BEST_FIT_CHARS with the used-default flag refuses a character the code page lacks
// instead of writing a look-alike or '?'.
std::optional<std::wstring> toWide(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) {
        return std::wstring();
    }
    int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                     static_cast<int>(bytes.size()), nullptr, 0);
    if (length <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(),
                        static_cast<int>(bytes.size()), wide.data(), length);
    return wide;
}

std::optional<std::string> fromWide(UINT codePage, const std::wstring& wide) {
    if (wide.empty()) {
        return std::string();
    }
    // UTF-8 takes neither a default character nor the best-fit flag; it refuses lone surrogates.
    bool utf8 = codePage == CP_UTF8;
    DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    LPBOOL defaultFlag = utf8 ? nullptr : &usedDefault;
    int length = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                                     nullptr, 0, nullptr, defaultFlag);
    if (length <= 0 || usedDefault) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), bytes.data(),
                        length, nullptr, defaultFlag);
    return bytes;
}

} // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    std::optional<std::wstring> wide = toWide(CP_UTF8, utf8);
    return wide ? fromWide(kCodePage932, *wide) : std::nullopt;
}

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
    std::optional<std::wstring> wide = toWide(kCodePage932, cp932);
    return wide ? fromWide(CP_UTF8, *wide) : std::nullopt;
}

} // namespace vestra
