#include "chart/SvgWriter.h"

#include <charconv>
#include <cmath>
#include <type_traits>

namespace vestra::chart {
namespace {

// Two decimals, trailing zeros dropped; to_chars ignores the locale, so a German desktop
// still writes "12.5", not "12,5".
std::string number(double value) {
    if (!std::isfinite(value)) {
        value = 0;
    }
    char buffer[64];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string text(buffer, error == std::errc() ? end : buffer);
    while (text.find('.') != std::string::npos && (text.back() == '0' || text.back() == '.')) {
        bool point = text.back() == '.';
        text.pop_back();
        if (point) {
            break;
        }
    }
    return text == "-0" ? "0" : text;
}

std::string hex(Colour c) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text = "#";
    for (std::uint8_t part : {c.r, c.g, c.b}) {
        text += kDigits[part >> 4];
        text += kDigits[part & 15];
    }
    return text;
}

std::string paint(const char* attribute, Colour c) {
    std::string text = std::string(" ") + attribute + "=\"" + hex(c) + "\"";
    if (c.alpha != 255) {
        text += std::string(" ") + attribute + "-opacity=\"" + number(c.alpha / 255.0) + "\"";
    }
    return text;
}

// The length of the UTF-8 sequence at text[at] when it is one XML allows in text: no C0 control
// but tab, line feed and carriage return, no surrogate, no U+FFFE or U+FFFF, no overlong form;
// 0 otherwise.
std::size_t xmlCharLength(const std::string& text, std::size_t at) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(at);
    if (lead < 0x80) {
        return lead >= 0x20 || lead == '\t' || lead == '\n' || lead == '\r' ? 1 : 0;
    }
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > text.size()) {
        return 0;
    }
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
        code = code << 6 | (byte(at + i) & 0x3F);
    }
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    bool allowed = code >= kShortest[length] && code <= 0x10FFFF &&
                   !(code >= 0xD800 && code <= 0xDFFF) && code != 0xFFFE && code != 0xFFFF;
    return allowed ? length : 0;
}

// Text as XML character data. Each byte of a character XML forbids (a control character, a
// byte that is no UTF-8 in damaged data) becomes U+FFFD, so that every reader opens the file and
// the damage shows where it is.
std::string escaped(const std::string& text) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        char c = text[at];
        if (std::size_t length = xmlCharLength(text, at); length != 1) {
            out += length == 0 ? std::string("\xEF\xBF\xBD") : text.substr(at, length);
            at += length == 0 ? 0 : length - 1;
            continue;
        }
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

const char* anchorName(Anchor anchor) {
    switch (anchor) {
    case Anchor::Middle:
        return "middle";
    case Anchor::End:
        return "end";
    case Anchor::Start:
        break;
    }
    return "start";
}

std::string element(const Line& s) {
    return "<line x1=\"" + number(s.from.x) + "\" y1=\"" + number(s.from.y) + "\" x2=\"" +
           number(s.to.x) + "\" y2=\"" + number(s.to.y) + "\"" + paint("stroke", s.ink) +
           " stroke-width=\"" + number(s.width) + "\"" +
           (s.dashed ? " stroke-dasharray=\"6 3\"" : "") + "/>";
}

std::string element(const Polyline& s) {
    std::string points;
    for (const Point& p : s.points) {
        points += (points.empty() ? "" : " ") + number(p.x) + "," + number(p.y);
    }
    return "<polyline points=\"" + points + "\" fill=\"none\"" + paint("stroke", s.ink) +
           " stroke-width=\"" + number(s.width) + "\" stroke-linejoin=\"round\"/>";
}

std::string element(const Marker& s) {
    return "<circle cx=\"" + number(s.centre.x) + "\" cy=\"" + number(s.centre.y) + "\" r=\"" +
           number(s.radius) + "\"" + paint("fill", s.fill) + "/>";
}

std::string element(const Box& s) {
    return "<rect x=\"" + number(s.topLeft.x) + "\" y=\"" + number(s.topLeft.y) + "\" width=\"" +
           number(s.width) + "\" height=\"" + number(s.height) + "\"" +
           (s.filled ? paint("fill", s.fill) : std::string(" fill=\"none\"")) +
           paint("stroke", s.stroke) + "/>";
}

std::string element(const Text& s) {
    return "<text x=\"" + number(s.at.x) + "\" y=\"" + number(s.at.y) + "\" font-size=\"" +
           number(s.size) + "\" text-anchor=\"" + anchorName(s.anchor) + "\"" +
           paint("fill", s.ink) + ">" + escaped(s.text) + "</text>";
}

} // namespace

std::string WriteSvg(const Drawing& drawing) {
    std::string w = number(drawing.width);
    std::string h = number(drawing.height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
                      "\" font-family=\"IPAGothic, monospace\">\n"
                      "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    for (const Shape& shape : drawing.shapes) {
        svg += std::visit([](const auto& s) { return element(s); }, shape) + "\n";
    }
    return svg + "</svg>\n";
}

} // namespace vestra::chart
