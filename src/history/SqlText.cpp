#include "history/SqlText.h"

#include "base/NumberFormat.h"

#include <cstdio>

namespace vestra::history {

std::string SqlTime(const DateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

std::string SqlFloat(float value) {
    return ShortestFloatText(value);
}

std::string SqlAlarm(AlarmMark mark) {
    return AlarmMarkText(mark);
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

std::string NumberedParameters(std::string_view sql) {
    std::string numbered;
    int next = 1;
    for (char c : sql) {
        if (c == '?') {
            numbered += '$' + std::to_string(next++);
        } else {
            numbered += c;
        }
    }
    return numbered;
}

} // namespace vestra::history
