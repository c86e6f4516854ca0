#pragma once

#include <string>
#include <vector>

namespace vestra {

inline constexpr const char* kAppUsage = "usage: vestra [FILE]\n"
                                         "       vestra --version | --help\n"
                                         "FILE: a data file (.qmc or .qmf) opened after start-up\n";

// What the application's command line asks for: --version or --help anywhere wins, then at
// most one data file to open; anything else is a mistake described in error.
struct AppArguments {
    enum class Action { Run, Version, Help, Mistake };
    Action action = Action::Run;
    std::string file;
    std::string error;
};

// Reads the arguments after the program name (Qt's own options already taken out).
AppArguments ParseAppArguments(const std::vector<std::string>& args);

} // namespace vestra
