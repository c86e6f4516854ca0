#pragma once

#include "CliCommand.h"

#include <optional>
#include <string>
#include <vector>

namespace vestra::cli {

// What the command line asks for, checked against the commands' declarations.
struct CommandLine {
    enum class Request { Run, Help, CommandHelp, Version, Refused };

    Request request = Request::Refused;
    const CliCommand* command = nullptr; // Run and CommandHelp
    CommandArgs args;                    // Run: the command's options and operands
    std::optional<TemperatureUnit> unit; // --unit
    std::string tracePath;               // --trace; empty: none
    bool quiet = false;                  // --quiet
    std::string refusal;                 // Refused: one line saying what is wrong
    bool unknownArgument = false;        // Refused for a word the tool does not know
};

// The global options (--unit, --trace, --quiet, --help, --version) may stand before or after the
// command's name; every option takes "--name VALUE" or "--name=VALUE"; "--" ends the options.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

} // namespace vestra::cli
