#pragma once

#include "files/TempFolder.h"

#include <csignal>
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

// text as the tool writes it to standard error: every line after the program's name.
inline std::string ErrorLines(const std::string& text, const std::string& program = "vestra-cli") {
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        out += program + ": " + text.substr(start, end - start) + '\n';
        start = end + 1;
    }
    return out;
}

// Ends a program the test started with SIGTERM and waits for it: its exit status, -1 when it did
// not end by itself.
inline int TerminateAndWait(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace vestra::testing
