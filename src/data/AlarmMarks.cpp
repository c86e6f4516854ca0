#include "data/AlarmMarks.h"

#include "data/DataSet.h"

namespace vestra {

AlarmMark AlarmMarkOf(float value, const GroupSetting& group) {
    if (value > group.alarmHigh) {
        return AlarmMark::High;
    }
    if (value < group.alarmLow) {
        return AlarmMark::Low;
    }
    return AlarmMark::None;
}

std::string AlarmMarkText(AlarmMark mark, std::size_t width) {
    std::string text = mark == AlarmMark::High ? "high" : mark == AlarmMark::Low ? "low" : "";
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

} // namespace vestra
