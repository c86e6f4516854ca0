#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vestra {

// Paths as the program's UTF-8 text and back. std::filesystem reads a narrow string in the
// system's code page on Windows (and writes one back in another), so a path built from the
// program's text passes through char8_t; on POSIX systems both are copies of the bytes.
inline std::filesystem::path PathOfText(std::string_view utf8) {
    return std::u8string(utf8.begin(), utf8.end());
}

inline std::string TextOfPath(const std::filesystem::path& path) {
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace vestra
