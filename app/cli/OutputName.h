#pragma once

#include "CliCommand.h"

#include <string>

namespace vestra::cli {

// Whether the tool can write a file of this name: kExitOk, or kExitUsage after telling why.
// Checked before any work, so that nothing is read or asked of the thermometer in vain.
int CheckOutputName(const CliContext& context, const std::string& path);

} // namespace vestra::cli
