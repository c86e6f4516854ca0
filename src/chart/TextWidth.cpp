#include "chart/TextWidth.h"

namespace vestra::chart {
namespace {

// The code point of the UTF-8 sequence that starts at text[i]; i moves past it. A broken
// sequence counts as one byte.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
    auto byte = static_cast<unsigned char>(text[i++]);
    int extra = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
    char32_t code = extra == 0 ? byte : byte & (0x3F >> extra);
    for (; extra > 0 && i < text.size(); --extra) {
        code = (code << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return code;
}

bool isHalfWidth(char32_t code) {
    return code < 0x80 || (code >= 0xFF61 && code <= 0xFF9F);
}

} // namespace

double TextWidth(std::string_view utf8, double size) {
    double ems = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        ems += isHalfWidth(nextCodePoint(utf8, i)) ? 0.5 : 1.0;
    }
    return ems * size;
}

} // namespace vestra::chart
