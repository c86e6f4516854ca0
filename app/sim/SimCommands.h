#pragma once

#include "SimMemory.h"

#include <string>
#include <string_view>
#include <vector>

namespace vestra::sim {

// The thermometer's checks of the setting commands. It is loose about form: a malformed line is
// refused with "NG2", a field out of range with the code of that field (group or tag "NG3",
// emissivity "NG4", limits "NG5"). An empty reply means the line was accepted.

// Removes the complete lines (ended by LF, a CR before it dropped) from the front of pending.
std::vector<std::string> TakeLines(std::string& pending);

// A command line cut at its blanks; the first word in upper case.
std::vector<std::string> SplitCommand(std::string_view line);

struct ClockCommand {
    std::string reply;
    DateTime time;
};
// TIM yyyy/mm/dd hh:mm:ss
ClockCommand CheckClock(const std::vector<std::string>& words);

struct LabelCommand {
    std::string reply;
    std::string label;
};
// LBL label
LabelCommand CheckLabel(const std::vector<std::string>& words);

struct GroupCommand {
    std::string reply;
    int group = 0;
    std::string tag;
    float emissivity = 0;
    float high = 0;
    float low = 0;
};
// SET gg tag emissivity high low
GroupCommand CheckGroup(const std::vector<std::string>& words, const SimUnit& unit);

} // namespace vestra::sim
