#pragma once

#include "base/MessageSink.h"
#include "data/DataSet.h"
#include "print/PrintOptions.h"

namespace vestra {

// How the detailed settings choose the groups.
enum class GroupChoice { All = 0, WithData = 1, Chosen = 2 };

// The choice the detailed settings open with: the groups with data when the print menu's
// data-only option is on, otherwise all groups.
GroupChoice InitialGroupChoice(const PrintSettings& settings);

// Sets the group switches for the choice: all on, on exactly for the groups holding readings,
// or left as they are for the user to change. Returns whether the user may change them.
bool ApplyGroupChoice(PrintOptions& options, GroupChoice choice, const DataSet& data);

// The alarm and remark columns and the statistics print only with the reading table, so any of
// them being on switches the table on.
void ApplyDataItemsDependency(PrintOptions& options);

// Something to print: a header line or a group. The page number alone is not a report.
bool HasSomethingToPrint(const PrintOptions& options);

// As HasSomethingToPrint, telling the user when there is nothing.
bool CheckSomethingToPrint(const PrintOptions& options, MessageSink& messages);

} // namespace vestra
