#pragma once

#include "files/TempFolder.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace vestra::testing {

struct ToolOutcome {
    int status;
    std::string errors;
};

// Runs a program through the shell with its settings under the test's folder (so the user's own
// never decide the unit) and its standard error caught. args may carry redirections; environment
// is put before the command ("LC_ALL=C ", say).
inline ToolOutcome RunTool(const TempFolder& folder, const std::string& program,
                           const std::string& args, const std::string& environment = "") {
    std::string errors = folder.file("stderr");
    std::string command = environment + "XDG_CONFIG_HOME='" + folder.file("config") + "' '" +
                          program + "' " + args + " 2>'" + errors + "'";
    int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(errors)};
}

} // namespace vestra::testing
