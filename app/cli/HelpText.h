#pragma once

#include "CliCommand.h"

#include <string>

namespace vestra::cli {

// "vestra-cli --help": the usage of every command, the global options and the exit statuses.
std::string ToolHelp();

// "vestra-cli COMMAND --help": the command's usage and what it does.
std::string CommandHelp(const CliCommand& command);

} // namespace vestra::cli
