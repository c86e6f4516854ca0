#include "devicesettings/FieldText.h"

#include <charconv>
#include <cmath>

namespace vestra {
namespace {

bool isNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
}

} // namespace

std::string TrimBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

float ReadNumber(std::string_view text) {
    std::string trimmed = TrimBlanks(text);
    std::string_view digits = trimmed;
    // The parser below takes a minus sign but no plus sign.
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (digits.empty() || digits.front() == '-' || digits.front() == '+') {
            return kUnreadableNumber;
        }
    }
    for (char c : digits) {
        if (!isNumberCharacter(c)) {
            return kUnreadableNumber;
        }
    }
    float value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value)) {
        return kUnreadableNumber;
    }
    return value;
}

} // namespace vestra
