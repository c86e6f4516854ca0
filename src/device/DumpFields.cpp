#include "device/DumpFields.h"

#include "data/ValueChecks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace vestra::dumpfields {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits with at most one decimal point and at least one digit.
bool isUnsignedDecimal(std::string_view text) {
    bool digit = false;
    bool point = false;
    for (char c : text) {
        if (isDigit(c)) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

} // namespace

std::optional<double> LeadingNumber(std::string_view text) {
    std::string number;
    bool point = false;
    for (char c : text) {
        if (c == ' ') {
            continue;
        }
        if ((c == '-' || c == '+') && number.empty()) {
            number += c;
        } else if (isDigit(c) || (c == '.' && !point)) {
            point = point || c == '.';
            number += c;
        } else {
            break;
        }
    }
    std::string_view digits(number);
    if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
        digits.remove_prefix(1);
    }
    if (!isUnsignedDecimal(digits)) {
        return std::nullopt;
    }
    double value = 0;
    auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Hundreds of digits: far too big for any count, or a fraction too small to matter.
        std::string_view integer = digits.substr(0, digits.find('.'));
        bool big = integer.find_first_not_of('0') != std::string_view::npos;
        value = big ? HUGE_VAL : 0.0;
    }
    return number[0] == '-' ? -value : value;
}

std::optional<float> ParseDecimal(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        text.remove_prefix(1);
    }
    if (!isUnsignedDecimal(text)) {
        return std::nullopt;
    }
    float value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{} || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<DateTime> ParseDumpDate(std::string_view text) {
    if (text.size() < 4 || !std::all_of(text.begin(), text.begin() + 4, isDigit)) {
        return std::nullopt;
    }
    int year = 0;
    std::from_chars(text.data(), text.data() + 4, year);
    std::optional<DateTime> t = ParseDateTime(text);
    // The year must be exactly the four leading digits: "20081/1/1" is no date of ours.
    if (!t || t->year != year || !IsValidYear(year)) {
        return std::nullopt;
    }
    return t;
}

} // namespace vestra::dumpfields
