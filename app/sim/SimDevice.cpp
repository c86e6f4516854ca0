#include "SimDevice.h"

#include "SimCommands.h"

namespace vestra::sim {

namespace {

const std::string kOk = "OK";
const std::string kUnknownCommand = "NG2";

} // namespace

SimDevice::SimDevice(SimMemory memory, SimUnit unit, SimFaults faults, Monotonic monotonic)
    : memory_(std::move(memory)), unit_(unit), faults_(std::move(faults)),
      monotonic_(std::move(monotonic)), clockBase_(memory_.clock.value_or(DateTime::Now())),
      clockSetAt_(monotonic_()) {}

DateTime SimDevice::clock() const {
    return AddSeconds(clockBase_, (monotonic_() - clockSetAt_) / 1000);
}

std::vector<std::string> SimDevice::answer(std::string_view line) {
    std::vector<std::string> words = SplitCommand(line);
    if (faults_.silent || switchedOff_ || words.empty()) {
        return {};
    }
    if (words[0] == "HEL") {
        connected_ = true;
        commandsInConnection_ = 0;
    } else if (!connected_) {
        return {}; // asleep until greeted
    } else if (words[0] == "BYE") {
        connected_ = false;
        return {};
    } else {
        ++commandsInConnection_;
    }
    if (faults_.replaced && faults_.replaced->at == commandsInConnection_) {
        return {faults_.replaced->reply};
    }
    return answerCommand(words);
}

std::vector<std::string> SimDevice::answerCommand(const std::vector<std::string>& words) {
    const std::string& command = words[0];
    if (command == "HEL") {
        return {kOk};
    }
    if (command == "MEM" && words.size() <= 2) {
        std::string what = words.size() == 2 ? words[1] : "";
        for (char& c : what) {
            c = char(std::toupper(static_cast<unsigned char>(c)));
        }
        if (what.empty() || what == "T" || what == "S") {
            std::vector<std::string> lines{kOk};
            for (std::string& dumpLine : applyDumpFaults(dump(what))) {
                lines.push_back(std::move(dumpLine));
            }
            return lines;
        }
    }
    if (command == "CLR" && words.size() == 1) {
        ClearReadings(memory_);
        return {kOk};
    }
    if (command == "RST" && words.size() == 1) {
        return {reset()};
    }
    if (command == "TIM") {
        return {setClock(words)};
    }
    if (command == "LBL") {
        return {setLabel(words)};
    }
    if (command == "SET") {
        return {setGroup(words)};
    }
    return {kUnknownCommand};
}

// "MEM": label, clock and groups with readings; "MEM T": the clock line; "MEM S": label and
// the groups' settings.
std::vector<std::string> SimDevice::dump(std::string_view what) {
    if (what == "T") {
        return {ClockLine(clock())};
    }
    std::vector<std::string> lines = memory_.labelLines;
    if (what.empty()) {
        lines.push_back(ClockLine(clock()));
    }
    for (const SimGroup& group : memory_.groups) {
        lines.insert(lines.end(), group.settingLines.begin(), group.settingLines.end());
        if (what.empty() && !group.memoryLine.empty()) {
            lines.push_back(group.memoryLine);
            lines.insert(lines.end(), group.readings.begin(), group.readings.end());
        }
    }
    return lines;
}

std::vector<std::string> SimDevice::applyDumpFaults(std::vector<std::string> lines) {
    if (faults_.longLine > 0 && !lines.empty() && lines[0].size() < std::size_t(faults_.longLine)) {
        lines[0].resize(std::size_t(faults_.longLine), ' ');
    }
    if (faults_.cutAfter >= 0) {
        auto left = std::size_t(std::max(0, faults_.cutAfter - dumpLinesSent_));
        if (lines.size() >= left) {
            lines.resize(left);
            switchedOff_ = true;
        }
    }
    dumpLinesSent_ += int(lines.size());
    return lines;
}

// The factory state: default label and group settings, no readings. The clock runs on.
std::string SimDevice::reset() {
    SimMemory factory = FactoryMemory(unit_);
    memory_.labelLines = factory.labelLines;
    memory_.groups = factory.groups;
    return kOk;
}

std::string SimDevice::setClock(const std::vector<std::string>& words) {
    ClockCommand tim = CheckClock(words);
    if (tim.reply.empty()) {
        clockBase_ = tim.time;
        clockSetAt_ = monotonic_();
    }
    return tim.reply.empty() ? kOk : tim.reply;
}

std::string SimDevice::setLabel(const std::vector<std::string>& words) {
    LabelCommand lbl = CheckLabel(words);
    if (lbl.reply.empty()) {
        memory_.labelLines = {LabelLine(lbl.label)};
    }
    return lbl.reply.empty() ? kOk : lbl.reply;
}

std::string SimDevice::setGroup(const std::vector<std::string>& words) {
    GroupCommand set = CheckGroup(words, unit_);
    if (!set.reply.empty()) {
        return set.reply;
    }
    // A memory file may hold fewer groups; the thermometer always has all 15.
    while (memory_.groups.size() < std::size_t(set.group)) {
        memory_.groups.push_back(FactoryMemory(unit_).groups[memory_.groups.size()]);
    }
    memory_.groups[std::size_t(set.group - 1)].settingLines =
        SettingLines(set.group, set.tag, set.emissivity, set.high, set.low, unit_.letter);
    return kOk;
}

} // namespace vestra::sim
