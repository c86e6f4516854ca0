#include "device/DumpParser.h"

#include "data/ValueChecks.h"
#include "device/DumpFields.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace vestra {
namespace {

using namespace dumpfields;

constexpr std::string_view kLabel = "LABEL=";
constexpr std::string_view kPrint = "PRINT ";
constexpr std::string_view kNo = "NO.";
constexpr std::string_view kTag = "TAG=";
constexpr std::string_view kEmissivity = "EMISSIVITY=";
constexpr std::string_view kAlarmHigh = "ALARM(H)=";
constexpr std::string_view kAlarmLow = "ALARM(L)=";
constexpr std::string_view kMemory = "MEMORY=";

// "23.5C": the value between the given start and the unit letter, which must be the unit's.
std::optional<float> valueWithUnit(std::string_view line, std::size_t start, TemperatureUnit unit) {
    if (line.size() <= start) {
        return std::nullopt;
    }
    char letter = line.back();
    if (letter >= 'a' && letter <= 'z') {
        letter = static_cast<char>(letter - 'a' + 'A');
    }
    if (UnitFromLetter(std::string_view(&letter, 1)) != unit) {
        return std::nullopt;
    }
    return ParseDecimal(line.substr(start, line.size() - start - 1));
}

// A reading line's date part: the text up to and including its second blank.
std::string_view datePart(std::string_view line) {
    std::size_t first = line.find(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    std::size_t second = line.find(' ', first + 1);
    return second == std::string_view::npos ? std::string_view{} : line.substr(0, second + 1);
}

} // namespace

DumpParser::DumpParser(ConnectionMode mode, TemperatureUnit unit, DataSet& target)
    : mode_(mode), unit_(unit), target_(target),
      state_(mode == ConnectionMode::ModeReadClock ? DumpState::ExpectPrint
                                                   : DumpState::ExpectLabel) {}

DumpStep DumpParser::feed(std::string_view line) {
    if (step_ == DumpStep::Complete || step_ == DumpStep::Reject) {
        return DumpStep::Reject;
    }
    step_ = DumpStep::Continue;
    if (!takeLine(TrimBlanks(line))) {
        step_ = DumpStep::Reject;
    }
    return step_;
}

bool DumpParser::takeLine(std::string_view line) {
    switch (state_) {
    case DumpState::ExpectLabel:
        return takeLabel(line);
    case DumpState::ExpectPrint:
        return takePrint(line);
    case DumpState::ExpectNo:
        return takeNo(line);
    case DumpState::ExpectTag:
        return takeTag(line);
    case DumpState::ExpectEmissivity:
        return takeEmissivity(line);
    case DumpState::ExpectAlarmHigh:
        return takeAlarm(line, true);
    case DumpState::ExpectAlarmLow:
        return takeAlarm(line, false);
    case DumpState::ExpectMemory:
        return takeMemory(line);
    case DumpState::ExpectRecord:
        return takeRecord(line);
    }
    return false;
}

bool DumpParser::takeLabel(std::string_view line) {
    if (!StartsWithKeyword(line, kLabel)) {
        return false;
    }
    std::string_view label = TrimBlanks(line.substr(kLabel.size()));
    if (!IsValidLabel(label)) {
        return false;
    }
    target_.deviceLabel = std::string(label);
    // Settings carry no clock line.
    state_ =
        mode_ == ConnectionMode::ModeReadSettings ? DumpState::ExpectNo : DumpState::ExpectPrint;
    return true;
}

bool DumpParser::takePrint(std::string_view line) {
    if (!StartsWithKeyword(line, kPrint)) {
        return false;
    }
    std::optional<DateTime> clock = ParseDumpDate(line.substr(kPrint.size()));
    if (!clock) {
        return false;
    }
    target_.importedAt = *clock;
    if (mode_ == ConnectionMode::ModeReadClock) {
        step_ = DumpStep::Complete;
    } else {
        state_ = DumpState::ExpectNo;
    }
    return true;
}

bool DumpParser::takeNo(std::string_view line) {
    if (!StartsWithKeyword(line, kNo)) {
        return false;
    }
    // Groups arrive complete and in order; a gap or a repeat is a dump we do not understand.
    std::optional<double> no = LeadingNumber(line.substr(kNo.size()));
    if (!no || *no != group_) {
        return false;
    }
    state_ = DumpState::ExpectTag;
    return true;
}

bool DumpParser::takeTag(std::string_view line) {
    if (!StartsWithKeyword(line, kTag)) {
        return false;
    }
    std::string_view tag = TrimBlanks(line.substr(kTag.size()));
    if (!IsValidTag(tag)) {
        return false;
    }
    current().tag = std::string(tag);
    state_ = DumpState::ExpectEmissivity;
    return true;
}

bool DumpParser::takeEmissivity(std::string_view line) {
    if (!StartsWithKeyword(line, kEmissivity)) {
        return false;
    }
    std::optional<float> e = ParseDecimal(line.substr(kEmissivity.size()));
    if (!e || !IsValidEmissivity(*e)) {
        return false;
    }
    current().emissivity = *e;
    state_ = DumpState::ExpectAlarmHigh;
    return true;
}

bool DumpParser::takeAlarm(std::string_view line, bool high) {
    std::string_view keyword = high ? kAlarmHigh : kAlarmLow;
    if (!StartsWithKeyword(line, keyword)) {
        return false;
    }
    std::optional<float> limit = valueWithUnit(line, keyword.size(), unit_);
    if (!limit || !IsValidAlarm(*limit, unit_)) {
        return false;
    }
    if (high) {
        current().alarmHigh = *limit;
        state_ = DumpState::ExpectAlarmLow;
        return true;
    }
    if (!(*limit < current().alarmHigh)) {
        return false;
    }
    current().alarmLow = *limit;
    if (mode_ == ConnectionMode::ModeReadSettings) {
        completeGroup();
    } else {
        state_ = DumpState::ExpectMemory;
    }
    return true;
}

bool DumpParser::takeMemory(std::string_view line) {
    if (!StartsWithKeyword(line, kMemory)) {
        return false;
    }
    std::optional<double> count = LeadingNumber(line.substr(kMemory.size()));
    if (!count) {
        return false;
    }
    double n = std::nearbyint(*count); // halves go to the even neighbour
    if (!(n >= 0 && n <= std::numeric_limits<std::int16_t>::max())) {
        return false;
    }
    int total = target_.totalCount + static_cast<int>(n);
    if (total > kMaxReadings) {
        return false;
    }
    target_.totalCount = static_cast<std::int16_t>(total);
    expected_ = static_cast<int>(n);
    GroupSetting& g = current();
    g.recordCount = static_cast<std::int16_t>(expected_);
    if (expected_ == 0) {
        completeGroup();
        return true;
    }
    g.recordTimes.assign(static_cast<std::size_t>(expected_), DateTime{});
    g.recordValues.assign(static_cast<std::size_t>(expected_), 0.0f);
    stored_ = 0;
    state_ = DumpState::ExpectRecord;
    return true;
}

bool DumpParser::takeRecord(std::string_view line) {
    std::string_view date = datePart(line);
    std::optional<DateTime> takenAt = ParseDumpDate(date);
    if (!takenAt) {
        return false;
    }
    std::optional<float> value = valueWithUnit(line, date.size(), unit_);
    if (!value || !IsValidReading(*value, unit_)) {
        return false;
    }
    GroupSetting& g = current();
    g.recordTimes[static_cast<std::size_t>(stored_)] = *takenAt;
    g.recordValues[static_cast<std::size_t>(stored_)] = *value;
    ++stored_;
    if (stored_ == expected_) {
        completeGroup();
    }
    return true;
}

void DumpParser::completeGroup() {
    if (group_ == kGroupCount) {
        step_ = DumpStep::Complete;
        return;
    }
    ++group_;
    state_ = DumpState::ExpectNo;
    step_ = DumpStep::GroupComplete;
}

} // namespace vestra
