#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vestra {

// Where the help document of a program in programFolder is: help/index.html beside the program
// when it is there (the build tree), otherwise in the data folder of the installation
// (share/vestra/help beside bin/). An installation on Windows keeps it beside the program too.
std::string HelpDocumentPath(const std::string& programFolder);

// The running program's real path; empty when it cannot be known (no /proc, as in a chroot or a
// mount namespace without it). On Windows the path the system loaded it from.
std::string RunningProgram();

// Where a program at programPath (its real path) finds the modules it loads (e.g.
// "vestra-postgres.so"): the build tree's lib/ for a program of the build tree, else the
// installation's library folder beside bin/, or on Windows the program's own folder, where an
// installation keeps everything but the help. Never the current folder or the library path: a
// programPath that is not absolute (unknown, empty, "\vestra.exe" without its drive) gives none.
std::optional<std::string> ModulePath(const std::string& programPath, std::string_view module);

// Where it finds a private program of the installation: the build tree's lib/ for a program of
// the build tree, else the installation's libexec/vestra (the program's own folder on Windows);
// none for a programPath that is not absolute. A private program finds the modules as the programs
// of bin/ do.
std::optional<std::string> PrivateProgramPath(const std::string& programPath,
                                              std::string_view program);

// Why name (a module or a private program) is not looked for when the running program's own
// place is unknown.
std::string NotFoundWithoutProgramPlace(std::string_view name);

} // namespace vestra
