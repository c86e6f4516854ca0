#include "device/ClockInput.h"

#include "data/FixedMessages.h"
#include "data/ValueChecks.h"

#include <algorithm>

namespace vestra {
namespace {

constexpr std::size_t kYearLength = 4;

std::optional<int> fourDigitYear(const std::string& text) {
    if (text.size() != kYearLength ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stoi(text);
}

} // namespace

ClockBoxes ClockBoxesOf(const DateTime& t) {
    return {std::to_string(t.year), std::to_string(t.month),  std::to_string(t.day),
            std::to_string(t.hour), std::to_string(t.minute), std::to_string(t.second)};
}

std::optional<DateTime> ReadClockBoxes(const ClockBoxes& boxes, MessageSink& messages) {
    auto year = fourDigitYear(boxes[0]);
    if (!year || !IsValidYear(*year)) {
        ShowInputError(messages);
        return std::nullopt;
    }
    std::string text = boxes[0] + "/" + boxes[1] + "/" + boxes[2] + " " + boxes[3] + ":" +
                       boxes[4] + ":" + boxes[5];
    auto parsed = ParseDateTime(text);
    if (!parsed) {
        ShowInputError(messages);
    }
    return parsed;
}

} // namespace vestra
