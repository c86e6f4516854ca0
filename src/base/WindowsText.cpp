#include "base/WindowsText.h"

#include <algorithm>
#include <windows.h>

namespace vestra {

// MB_ERR_INVALID_CHARS refuses an invalid byte sequence; WC_NO_BEST_FIT_CHARS with the
// used-default flag refuses a character the code page lacks.
std::optional<std::wstring> WideFromCodePage(unsigned codePage, std::string_view bytes) {
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

std::optional<std::string> CodePageFromWide(unsigned codePage, std::wstring_view wide) {
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

std::wstring WidePath(const std::string& path) {
    return WideFromCodePage(CP_UTF8, path).value_or(std::wstring());
}

std::string Utf8Path(std::wstring_view wide) {
    if (wide.empty()) {
        return std::string();
    }
    int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                     nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(std::max(length, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(),
                        length, nullptr, nullptr);
    return bytes;
}

} // namespace vestra
