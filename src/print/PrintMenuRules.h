#pragma once

#include "data/DataSet.h"
#include "print/PrintOptions.h"

namespace vestra {

// A group holds readings when its count is above 0.
bool GroupHoldsReadings(const DataSet& data, int n);

// "Only groups with data": remembered in PrintDataOption; on, the groups that hold readings are
// printed, off, all 15.
void ApplyDataOnly(PrintSettings& settings, bool checked, const DataSet& data);

// The per-group items of the print menu: 0 all, 1 the settings items (tag, emissivity, alarm
// limits), 2 the data items (readings, their columns, statistics). Remembered in
// PrintGroupOption; any other value counts as 0.
void ApplyItemSet(PrintSettings& settings, int selection);

// What opening the print menu does to the switches: page number, header lines, target and
// measurer on; then the remembered data-only and item-set choices. Returns the item set to show.
int OpenPrintMenu(PrintSettings& settings, const DataSet& data);

} // namespace vestra
