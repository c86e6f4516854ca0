#include "base/VisibleText.h"

#include "base/TextCodec.h"

#include <cstdio>

namespace vestra {
namespace {

std::string escaped(const char* format, unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string visibleByte(unsigned char c) {
    switch (c) {
    case '\t':
        return "\\t";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\\':
        return "\\\\";
    default:
        break;
    }
    // A lone byte of 0x80 and above is no UTF-8 character: it is shown as the byte it is.
    if (c < 0x20 || c >= 0x7f) {
        return escaped("\\x%02x", c);
    }
    return std::string(1, static_cast<char>(c));
}

// U+0080 to U+009F, the C1 controls, are 0xC2 0x80 to 0xC2 0x9F in UTF-8.
bool isC1(std::string_view character) {
    return character.size() == 2 && static_cast<unsigned char>(character[0]) == 0xc2 &&
           static_cast<unsigned char>(character[1]) <= 0x9f;
}

} // namespace

std::string VisibleText(std::string_view utf8) {
    std::string visible;
    visible.reserve(utf8.size());
    for (std::string_view character : SplitCharacters(utf8)) {
        if (character.size() == 1) {
            visible += visibleByte(static_cast<unsigned char>(character[0]));
        } else if (isC1(character)) {
            visible += escaped("\\u%04x", static_cast<unsigned char>(character[1]));
        } else {
            visible += character;
        }
    }
    return visible;
}

} // namespace vestra
