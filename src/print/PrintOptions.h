#pragma once

#include "data/DataSet.h"

#include <array>
#include <cstdint>

namespace vestra {

// The switches that decide what the report holds. The print dialogs set them; they live for the
// whole run of the program but are not kept in the settings file.
struct PrintOptions {
    bool printPageNumber = false;
    bool printSubject = false;
    bool printDateTime = false;
    bool printDeviceLabel = false;
    bool printUnit = false;
    bool printTotalCount = false;
    std::array<bool, kGroupCount> printGroup{}; // index 0 is group 1
    bool printTarget = false;
    bool printMeasurer = false;
    bool printTag = false;
    bool printEmissivity = false;
    bool printAlarmHigh = false;
    bool printAlarmLow = false;
    bool printRecords = false;
    bool printAlarmColumn = false;
    bool printRemarkColumn = false;
    bool printMaximum = false;
    bool printMinimum = false;
    bool printAverage = false;

    bool group(int n) const { return printGroup.at(static_cast<std::size_t>(n - 1)); }
    void setGroup(int n, bool on) { printGroup.at(static_cast<std::size_t>(n - 1)) = on; }
};

using PrintSwitch = bool PrintOptions::*;

// The switches behind the check boxes of the print dialogs, in the order of their indexes.
inline constexpr std::array<PrintSwitch, 5> kHeaderSwitches = {
    &PrintOptions::printSubject, &PrintOptions::printDateTime, &PrintOptions::printDeviceLabel,
    &PrintOptions::printUnit, &PrintOptions::printTotalCount};
inline constexpr std::array<PrintSwitch, 2> kCommentSwitches = {&PrintOptions::printTarget,
                                                                &PrintOptions::printMeasurer};
inline constexpr std::array<PrintSwitch, 4> kSettingsItemSwitches = {
    &PrintOptions::printTag, &PrintOptions::printEmissivity, &PrintOptions::printAlarmHigh,
    &PrintOptions::printAlarmLow};
inline constexpr std::array<PrintSwitch, 6> kDataItemSwitches = {
    &PrintOptions::printRecords, &PrintOptions::printAlarmColumn, &PrintOptions::printRemarkColumn,
    &PrintOptions::printMaximum, &PrintOptions::printMinimum,     &PrintOptions::printAverage};

// Every element of the report and all 15 groups: what a PDF written without the dialogs holds.
PrintOptions AllPrintOptions();

// The printing state of one run of the program. PrintDataOption and PrintGroupOption are read
// from and written to the settings file by its owner; options survive between print commands.
struct PrintSettings {
    bool PrintDataOption = false;
    std::int16_t PrintGroupOption = 0; // 0 all items, 1 settings items, 2 data items
    PrintOptions options;
};

} // namespace vestra
