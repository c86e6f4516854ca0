#pragma once

#include "CommandArgs.h"
#include "base/MessageSink.h"
#include "base/TemperatureUnit.h"
#include "serial/LineTrace.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vestra::cli {

// Exit statuses shared by every command.
enum ExitStatus : int {
    kExitOk = 0,
    kExitFileError = 1,   // "File Load Error !" or "File Save Error !"
    kExitUsage = 2,       // bad usage or bad input
    kExitPortError = 3,   // the port could not be opened
    kExitLinkFailure = 4, // the connection to the thermometer failed
};

struct CliContext {
    TemperatureUnit unit;
    MessageSink& messages; // completion messages go nowhere under --quiet
    bool quiet;
    std::string tracePath; // --trace: where the device commands record the line; empty: nowhere
    LineTrace& trace; // opened by the first connection; written and checked when the command ends
    std::optional<TemperatureUnit> givenUnit = std::nullopt; // --unit; unit is else the stored one
};

// Returned by a command whose operands do not fit its usage: the tool then names the command
// and points to its help, and exits with kExitUsage.
inline constexpr int kBadArguments = -1;

// An option a command takes: with a value ("--name VALUE" or "--name=VALUE"), or a switch
// without one ("--json") when its value form is empty.
struct CommandOption {
    std::string_view name;                 // with its dashes: "--port"
    std::string_view value;                // the value's form in the usage: "DEVICE", "a4|letter"
    bool required = false;                 // the command cannot run without it
    std::vector<std::string> choices = {}; // the only values accepted; empty: any
};

// One command of the tool: its options and operands are declared here, in one place, and
// parsed before run is called, so run gets them checked against the declaration.
struct CliCommand {
    std::string_view name;
    std::vector<CommandOption> options;
    std::string_view operands; // shown in the usage after the options
    std::string_view help;     // what it does, for "vestra-cli NAME --help"
    int (*run)(const CliContext& context, const CommandArgs& args);
};

// Every command; a new command is one file holding its run function plus one entry here.
std::span<const CliCommand> Commands();

} // namespace vestra::cli
