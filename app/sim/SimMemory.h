#pragma once

#include "base/DateTime.h"
#include "base/TemperatureUnit.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vestra::sim {

inline constexpr int kGroupCount = 15;
inline constexpr int kMaxReadings = 150;

// The thermometer type the simulator plays: its unit letter and its factory alarm limits.
struct SimUnit {
    char letter = 'C';
    int factoryHigh = 500;
    int factoryLow = -40;

    TemperatureUnit unit() const {
        return letter == 'C' ? TemperatureUnit::Celsius : TemperatureUnit::Fahrenheit;
    }
    static SimUnit Celsius() { return {'C', 500, -40}; }
    static SimUnit Fahrenheit() { return {'F', 932, -40}; }
};

// One group of the memory as dump lines. The lines are kept as text, not as values, so a
// memory file can hold what a faulty thermometer would send and the simulator repeats it.
struct SimGroup {
    std::vector<std::string> settingLines; // NO., TAG=, EMISSIVITY=, ALARM(H)=, ALARM(L)=
    std::string memoryLine;                // MEMORY=n; empty when the file had none
    std::vector<std::string> readings;
};

// The thermometer's memory: what it sends after "MEM", less the clock line, which the clock
// writes at the moment of the dump.
struct SimMemory {
    std::vector<std::string> labelLines; // normally the one LABEL= line
    std::optional<DateTime> clock;       // the PRINT line of a memory file sets the clock
    std::vector<SimGroup> groups;
};

// The dump lines of a memory file (UTF-8, LF or CR LF, empty lines ignored): lines before the
// first NO. line are the label (and PRINT) lines; a group runs from its NO. line to the next;
// its lines after MEMORY= are its readings.
SimMemory ParseMemoryFile(std::string_view text);

// Label "VESTRA", tags GROUP01 to GROUP15, emissivity 0.95, the unit's factory limits, no
// readings.
SimMemory FactoryMemory(const SimUnit& unit);
// A factory memory with a few readings in groups 1 to 3, some above their high limit.
SimMemory DefaultMemory(const SimUnit& unit);
// A factory memory with count readings spread evenly over the 15 groups, one a minute.
SimMemory GeneratedMemory(const SimUnit& unit, int count);

std::vector<std::string> SettingLines(int group, std::string_view tag, float emissivity, float high,
                                      float low, char letter);
std::string LabelLine(std::string_view label);
std::string ClockLine(const DateTime& t);
std::string ReadingLine(const DateTime& t, float value, char letter);
void ClearReadings(SimMemory& memory);

} // namespace vestra::sim
