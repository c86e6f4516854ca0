#include "web/HtmlText.h"

#include "base/TextCodec.h"

namespace vestra::web {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool isControl(std::string_view character) {
    auto first = static_cast<unsigned char>(character.front());
    if (character.size() == 1) {
        return (first < 0x20 && first != '\t' && first != '\n') || first == 0x7F || first >= 0x80;
    }
    // C1 controls, U+0080 to U+009F.
    return first == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
}

} // namespace

std::string Html(std::string_view text) {
    std::string html;
    html.reserve(text.size());
    for (std::string_view c : SplitCharacters(text)) {
        if (isControl(c)) {
            html += kReplacement;
        } else if (c == "&") {
            html += "&amp;";
        } else if (c == "<") {
            html += "&lt;";
        } else if (c == ">") {
            html += "&gt;";
        } else if (c == "\"") {
            html += "&quot;";
        } else if (c == "'") {
            html += "&#39;";
        } else {
            html += c;
        }
    }
    return html;
}

std::string UrlQueryValue(std::string_view text) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                     (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        }
    }
    return encoded;
}

} // namespace vestra::web
