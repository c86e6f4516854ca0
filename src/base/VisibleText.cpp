#include "base/VisibleText.h"

#include "base/TextCodec.h"

#include <cstdio>
#include <optional>

namespace vestra {
namespace {

std::string escaped(const char* format, unsigned value) {
    char text[12];
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

// The code point of a character of two to four bytes; empty for a sequence UTF-8 forbids (a
// longer form than needed, a surrogate, beyond U+10FFFF), which a lenient decoder could read
// as a control character.
std::optional<char32_t> codePoint(std::string_view character) {
    static constexpr char32_t kLeadMask[] = {0, 0, 0x1f, 0x0f, 0x07};
    static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    std::size_t n = character.size();
    char32_t value = static_cast<unsigned char>(character[0]) & kLeadMask[n];
    for (std::size_t i = 1; i < n; ++i) {
        value = value << 6 | (static_cast<unsigned char>(character[i]) & 0x3f);
    }
    if (value < kShortest[n] || (value >= 0xd800 && value <= 0xdfff) || value > 0x10ffff) {
        return std::nullopt;
    }
    return value;
}

// Characters that are not shown but act: the C1 controls, the line and paragraph separators and
// the bidirectional embeddings, overrides and isolates, which show a name's end before its start.
bool actsUnseen(char32_t c) {
    return (c >= 0x80 && c <= 0x9f) || (c >= 0x2028 && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

std::string VisibleText(std::string_view utf8) {
    std::string visible;
    visible.reserve(utf8.size());
    for (std::string_view character : SplitCharacters(utf8)) {
        if (character.size() == 1) {
            visible += visibleByte(static_cast<unsigned char>(character[0]));
            continue;
        }
        std::optional<char32_t> c = codePoint(character);
        if (!c) {
            for (char byte : character) {
                visible += visibleByte(static_cast<unsigned char>(byte));
            }
        } else if (actsUnseen(*c)) {
            visible += escaped("\\u%04x", static_cast<unsigned>(*c));
        } else {
            visible += character;
        }
    }
    return visible;
}

} // namespace vestra
