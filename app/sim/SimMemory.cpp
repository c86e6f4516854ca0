#include "SimMemory.h"

#include "base/AsciiText.h"
#include "base/NumberFormat.h"
#include "data/ValueFormat.h"

#include <algorithm>
#include <cctype>

namespace vestra::sim {

namespace {

std::string_view TrimmedLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

std::string GroupTag(int group) {
    return "GROUP" + FormatNumber(float(group), "0#");
}

// Readings are taken from 2024/04/01 09:00 on, one a minute, so every dump is the same.
constexpr DateTime kFirstReading{2024, 4, 1, 9, 0, 0};

float InUnit(float celsius, const SimUnit& unit) {
    return unit.letter == 'C' ? celsius : celsius * 9.0f / 5.0f + 32.0f;
}

void AddReadings(SimGroup& group, const std::vector<float>& celsius, const SimUnit& unit,
                 DateTime& at) {
    for (float value : celsius) {
        group.readings.push_back(ReadingLine(at, InUnit(value, unit), unit.letter));
        at = AddSeconds(at, 60);
    }
    group.memoryLine = "MEMORY=" + std::to_string(group.readings.size());
}

} // namespace

std::string LabelLine(std::string_view label) {
    return "LABEL=" + std::string(label);
}

std::string ClockLine(const DateTime& t) {
    return "PRINT " + FormatTimestampSeconds(t);
}

std::string ReadingLine(const DateTime& t, float value, char letter) {
    return FormatTimestampSeconds(t) + " " + FormatNumber(value, "###0.0") + letter;
}

std::vector<std::string> SettingLines(int group, std::string_view tag, float emissivity, float high,
                                      float low, char letter) {
    return {"NO." + std::to_string(group), "TAG=" + std::string(tag),
            "EMISSIVITY=" + FormatNumber(emissivity, "#0.00"),
            "ALARM(H)=" + FormatNumber(high, "###0") + letter,
            "ALARM(L)=" + FormatNumber(low, "###0") + letter};
}

SimMemory ParseMemoryFile(std::string_view text) {
    SimMemory memory;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = TrimmedLine(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty()) {
            continue;
        }
        if (ascii::StartsWithKeyword(line, "NO.")) {
            memory.groups.push_back({{std::string(line)}, {}, {}});
        } else if (memory.groups.empty() && ascii::StartsWithKeyword(line, "PRINT ")) {
            memory.clock = ParseDateTime(line.substr(6));
        } else if (memory.groups.empty()) {
            memory.labelLines.emplace_back(line);
        } else if (ascii::StartsWithKeyword(line, "MEMORY=") &&
                   memory.groups.back().memoryLine.empty()) {
            memory.groups.back().memoryLine = line;
        } else if (memory.groups.back().memoryLine.empty()) {
            memory.groups.back().settingLines.emplace_back(line);
        } else {
            memory.groups.back().readings.emplace_back(line);
        }
    }
    return memory;
}

SimMemory FactoryMemory(const SimUnit& unit) {
    SimMemory memory;
    memory.labelLines.push_back(LabelLine("VESTRA"));
    for (int g = 1; g <= kGroupCount; ++g) {
        memory.groups.push_back({SettingLines(g, GroupTag(g), 0.95f, float(unit.factoryHigh),
                                              float(unit.factoryLow), unit.letter),
                                 "MEMORY=0",
                                 {}});
    }
    return memory;
}

SimMemory DefaultMemory(const SimUnit& unit) {
    SimMemory memory = FactoryMemory(unit);
    memory.labelLines = {LabelLine("LINE-A")};
    memory.groups[0].settingLines =
        SettingLines(1, "OVEN", 0.95f, InUnit(250, unit), InUnit(150, unit), unit.letter);
    memory.groups[1].settingLines =
        SettingLines(2, "PIPE", 0.80f, InUnit(90, unit), InUnit(20, unit), unit.letter);
    DateTime at = kFirstReading;
    AddReadings(memory.groups[0], {231.5f, 248.0f, 255.2f, 241.7f, 149.5f}, unit, at);
    AddReadings(memory.groups[1], {65.3f, 92.4f, 71.0f}, unit, at);
    AddReadings(memory.groups[2], {22.4f, -12.5f, 0.0f, 480.9f}, unit, at);
    return memory;
}

SimMemory GeneratedMemory(const SimUnit& unit, int count) {
    SimMemory memory = FactoryMemory(unit);
    DateTime at = kFirstReading;
    for (int g = 0; g < kGroupCount; ++g) {
        int inGroup = count / kGroupCount + (g < count % kGroupCount ? 1 : 0);
        std::vector<float> values;
        for (int k = 0; k < inGroup; ++k) {
            // A saw-tooth between 20 and 420 degrees Celsius keeps every value plausible.
            values.push_back(20.0f + float((g * 37 + k * 53) % 400) + 0.1f * float(k % 10));
        }
        AddReadings(memory.groups[std::size_t(g)], values, unit, at);
    }
    return memory;
}

void ClearReadings(SimMemory& memory) {
    for (SimGroup& group : memory.groups) {
        group.memoryLine = "MEMORY=0";
        group.readings.clear();
    }
}

} // namespace vestra::sim
