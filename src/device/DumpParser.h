#pragma once

#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "device/CommState.h"

#include <string>
#include <string_view>

namespace vestra {

// The line each state of the dump expects next.
enum class DumpState {
    ExpectLabel = 0,      // "LABEL=" label
    ExpectPrint = 1,      // "PRINT " date-time of the thermometer's clock
    ExpectNo = 2,         // "NO." group number
    ExpectTag = 3,        // "TAG=" tag
    ExpectEmissivity = 4, // "EMISSIVITY=" emissivity
    ExpectAlarmHigh = 5,  // "ALARM(H)=" limit and unit letter
    ExpectAlarmLow = 6,   // "ALARM(L)=" limit and unit letter
    ExpectMemory = 7,     // "MEMORY=" number of readings
    ExpectRecord = 8,     // date, blank, time, blank, value and unit letter
};

enum class DumpStep {
    Continue,      // the line was taken; more lines are expected
    GroupComplete, // the line completed a group (not the last one); more lines are expected
    Complete,      // the reading is complete: the last group or the clock line was taken
    Reject,        // the line is not the one expected, or a value fails its check
};

// Reads the thermometer's answer to "MEM" (label, clock, 15 group blocks), "MEM T" (the clock
// line only) or "MEM S" (label and 15 groups without readings), one line at a time, into a
// data set. Strict: every line must be the one its state expects and every value must pass its
// check for the given unit; the first line that does not is rejected and the parser stops.
// Accumulates into target.totalCount, which the caller sets to 0 first. What was stored before
// a rejection stays in the target.
class DumpParser {
public:
    DumpParser(ConnectionMode mode, TemperatureUnit unit, DataSet& target);

    // line: one received line, trimmed or not. After Complete or Reject every further line is
    // rejected.
    DumpStep feed(std::string_view line);

    DumpState state() const { return state_; }
    int group() const { return group_; }

private:
    bool takeLine(std::string_view line);
    bool takeLabel(std::string_view line);
    bool takePrint(std::string_view line);
    bool takeNo(std::string_view line);
    bool takeTag(std::string_view line);
    bool takeEmissivity(std::string_view line);
    bool takeAlarm(std::string_view line, bool high);
    bool takeMemory(std::string_view line);
    bool takeRecord(std::string_view line);
    // The reading of the current group is over: the next group, or the end of the dump.
    void completeGroup();
    GroupSetting& current() { return target_.group(group_); }

    ConnectionMode mode_;
    TemperatureUnit unit_;
    DataSet& target_;
    DumpState state_;
    int group_ = 1;
    int stored_ = 0;   // readings of the current group stored so far
    int expected_ = 0; // readings the current group's MEMORY= line announced
    DumpStep step_ = DumpStep::Continue;
};

} // namespace vestra
