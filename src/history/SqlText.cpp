#include "history/SqlText.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace vestra::history {

std::string SqlTime(const DateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

DateTime TimeFromSql(std::string_view text) {
    return ParseDateTime(text).value_or(DateTime::OleEpoch());
}

std::string SqlFloat(float value) {
    char text[32];
    auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

float FloatFromSql(std::string_view text) {
    return std::strtof(std::string(text).c_str(), nullptr);
}

std::string SqlAlarm(AlarmMark mark) {
    return AlarmMarkText(mark);
}

AlarmMark AlarmFromSql(std::string_view text) {
    if (text == "high") {
        return AlarmMark::High;
    }
    return text == "low" ? AlarmMark::Low : AlarmMark::None;
}

std::string ValueRows(int rows, int columns) {
    std::string row = "(";
    for (int c = 0; c < columns; ++c) {
        row += c == 0 ? "?" : ", ?";
    }
    row += ")";
    std::string text;
    for (int r = 0; r < rows; ++r) {
        text += (r == 0 ? "" : ", ") + row;
    }
    return text;
}

} // namespace vestra::history
