#pragma once

#include "CliCommand.h"
#include "data/DataSet.h"

#include <string>

namespace vestra::cli {

// Whether the tool can write a file of this name: kExitOk, or kExitUsage after telling why.
// Checked before any work, so that nothing is read or asked of the thermometer in vain.
int CheckOutputName(const CliContext& context, const std::string& path);

// Writes currentData as the Save command would for the name's extension, or as the printed
// report with every element and all 15 groups for ".pdf". kExitOk or kExitFileError.
int WriteOutput(const CliContext& context, DataStore& store, const std::string& path);

} // namespace vestra::cli
