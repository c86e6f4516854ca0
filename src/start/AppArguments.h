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

// The environment that decides where the window goes; a null pointer for a variable not set.
struct DisplayEnvironment {
    const char* platform = nullptr; // QT_QPA_PLATFORM
    const char* display = nullptr;  // DISPLAY
    const char* wayland = nullptr;  // WAYLAND_DISPLAY
};

// Whether the window has somewhere to go: a platform named by QT_QPA_PLATFORM or Qt's -platform
// option, or a desktop session's display. Without one Qt would abort the program.
bool HasDisplay(const std::vector<std::string>& args, const DisplayEnvironment& environment);

} // namespace vestra
