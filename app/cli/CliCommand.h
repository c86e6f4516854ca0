#pragma once

#include "serial/LineTrace.h"
#include "shell/Common.h"
#include "shell/MessageSink.h"

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
    MessageSink& messages;
    std::string tracePath; // --trace: where the device commands record the line; empty: nowhere
    LineTrace& trace; // opened by the first connection; written and checked when the command ends
};

// Returned by a command whose arguments do not fit its usage: the tool then prints the usage
// and exits with kExitUsage.
inline constexpr int kBadArguments = -1;

// One command of the tool. run gets the arguments after the command's name and returns an
// exit status or kBadArguments.
struct CliCommand {
    std::string_view name;
    std::string_view arguments; // shown in the usage text after the name
    std::string_view help;      // what it does, for "vestra-cli NAME --help"
    int (*run)(const CliContext& context, std::span<const std::string> args);
};

// Every command; a new command is one file holding its run function plus one entry here.
std::span<const CliCommand> Commands();

} // namespace vestra::cli
