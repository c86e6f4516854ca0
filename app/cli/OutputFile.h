#pragma once

#include "CliCommand.h"
#include "data/DataSet.h"

#include <string>

namespace vestra::cli {

// Where a command writes: a file, whose extension decides the format, or standard output
// ("-"), whose format the --format option names.
struct OutputTarget {
    std::string path;
    std::string formatName; // a name whose extension is the format
};

// The target for an output operand and the command's --format value (null when not given).
OutputTarget OutputTargetOf(const std::string& operand, const std::string* format);

// Whether the tool can write such a target: kExitOk, or kExitUsage after telling why.
// Checked before any work, so that nothing is read or asked of the thermometer in vain.
int CheckOutputName(const CliContext& context, const OutputTarget& target);

// Writes currentData as the Save command would for the format, or as the printed report with
// every element and all 15 groups for ".pdf". kExitOk or kExitFileError.
int WriteOutput(const CliContext& context, DataStore& store, const OutputTarget& target);

} // namespace vestra::cli
