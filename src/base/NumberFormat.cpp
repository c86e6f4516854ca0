#include "base/NumberFormat.h"

#include <charconv>
#include <cmath>

namespace vestra {
namespace {

struct Pattern {
    int minIntegerDigits = 1;
    int decimals = 0;
};

Pattern parsePattern(std::string_view pattern) {
    std::size_t point = pattern.find('.');
    std::string_view integer = pattern.substr(0, point);
    Pattern p;
    std::size_t firstZero = integer.find('0');
    p.minIntegerDigits =
        firstZero == std::string_view::npos ? 0 : static_cast<int>(integer.size() - firstZero);
    p.decimals = point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
    return p;
}

// Adds one unit at the last position of a string of decimal digits.
void incrementDigits(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

std::string FormatNumber(float value, std::string_view pattern) {
    Pattern p = parsePattern(pattern);
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    }
    char text[64];
    auto result =
        std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::fixed);
    std::string_view shortest(text, static_cast<std::size_t>(result.ptr - text));

    std::size_t point = shortest.find('.');
    std::string integer(shortest.substr(0, point));
    std::string fraction(point == std::string_view::npos ? "" : shortest.substr(point + 1));
    fraction.resize(std::max<std::size_t>(fraction.size(), p.decimals + 1), '0');

    // Digits as one integer scaled by 10^decimals, rounded on the first dropped digit.
    std::string digits = integer + fraction.substr(0, p.decimals);
    if (fraction[p.decimals] >= '5') {
        incrementDigits(digits);
    }
    std::string intPart = digits.substr(0, digits.size() - p.decimals);
    std::string decPart = digits.substr(digits.size() - p.decimals);

    intPart.erase(0, std::min(intPart.find_first_not_of('0'), intPart.size()));
    if (static_cast<int>(intPart.size()) < p.minIntegerDigits) {
        intPart.insert(0, p.minIntegerDigits - intPart.size(), '0');
    }
    bool zero = digits.find_first_not_of('0') == std::string::npos;
    std::string out = (value < 0 && !zero) ? "-" : "";
    out += intPart;
    if (p.decimals > 0) {
        out += "." + decPart;
    }
    return out;
}

std::string ShortestFloatText(float value) {
    char text[32];
    auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

} // namespace vestra
