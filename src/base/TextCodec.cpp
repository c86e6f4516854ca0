#include "base/TextCodec.h"

#include "base/CodePage932.h"

namespace vestra {
namespace {

std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 1;
}

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

using Conversion = std::optional<std::string> (*)(std::string_view);

// Converts character by character so that one bad character costs one substitute, not the
// rest of the text.
std::string convertEach(Conversion convert, const std::vector<std::string_view>& pieces) {
    std::string out;
    for (std::string_view piece : pieces) {
        out += convert(piece).value_or("?");
    }
    return out;
}

// Code page 932 characters: a lead byte in 0x81-0x9F or 0xE0-0xFC takes the next byte along.
std::vector<std::string_view> splitCp932(std::string_view bytes) {
    std::vector<std::string_view> pieces;
    for (std::size_t i = 0; i < bytes.size();) {
        auto c = static_cast<unsigned char>(bytes[i]);
        bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        std::size_t n = lead && i + 1 < bytes.size() ? 2 : 1;
        pieces.push_back(bytes.substr(i, n));
        i += n;
    }
    return pieces;
}

} // namespace

std::vector<std::string_view> SplitCharacters(std::string_view utf8) {
    std::vector<std::string_view> chars;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = sequenceLength(static_cast<unsigned char>(utf8[i]));
        bool whole = i + n <= utf8.size();
        for (std::size_t j = 1; whole && j < n; ++j) {
            whole = isContinuation(static_cast<unsigned char>(utf8[i + j]));
        }
        n = whole ? n : 1;
        chars.push_back(utf8.substr(i, n));
        i += n;
    }
    return chars;
}

std::size_t CharacterCount(std::string_view utf8) {
    return SplitCharacters(utf8).size();
}

std::string ToCp932(std::string_view utf8) {
    if (std::optional<std::string> whole = Utf8ToCp932(utf8)) {
        return *whole;
    }
    return convertEach(Utf8ToCp932, SplitCharacters(utf8));
}

std::string FromCp932(std::string_view cp932) {
    if (std::optional<std::string> whole = Cp932ToUtf8(cp932)) {
        return *whole;
    }
    return convertEach(Cp932ToUtf8, splitCp932(cp932));
}

bool IsCp932Representable(std::string_view utf8) {
    return Utf8ToCp932(utf8).has_value();
}

std::size_t Cp932Length(std::string_view utf8) {
    return ToCp932(utf8).size();
}

std::string FitCp932(std::string_view utf8, std::size_t maxBytes) {
    std::string kept;
    std::size_t used = 0;
    for (std::string_view ch : SplitCharacters(utf8)) {
        used += Cp932Length(ch);
        if (used > maxBytes) {
            break;
        }
        kept += ch;
    }
    return kept;
}

int FindWideChar(std::string_view utf8) {
    int position = 0;
    for (std::string_view ch : SplitCharacters(utf8)) {
        ++position;
        std::optional<std::string> out = Utf8ToCp932(ch);
        if (out && out->size() == 2) {
            return position;
        }
    }
    return 0;
}

} // namespace vestra
