#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vestra {

// What the XDG base-directory rule reads, each absent when unset: the variable that names the
// folder (XDG_DATA_HOME, XDG_CONFIG_HOME, XDG_RUNTIME_DIR), HOME, and the home folder of the
// user's passwd entry.
struct UserEnvironment {
    std::optional<std::string> variable;
    std::optional<std::string> home;
    std::optional<std::string> passwdHome;
};

// The folder by the rule: the variable when it is an absolute path (a relative value is
// ignored), else underHome in the home folder, which is HOME when absolute, else the passwd
// entry's when absolute. None when neither is known, or for a folder without a default under the
// home (underHome none: the runtime folder): nothing is ever put under the current folder or "/".
std::optional<std::string> ChooseUserFolder(const UserEnvironment& environment,
                                            std::optional<std::string_view> underHome);

// ChooseUserFolder from this process's environment and its user's passwd entry (getpwuid_r).
std::optional<std::string> UserFolder(const char* variable,
                                      std::optional<std::string_view> underHome);

// Why what (the settings file, the history) has no place: variable and HOME are no absolute
// paths and the user has no home folder.
std::string NoUserFolderText(std::string_view what, std::string_view variable);

} // namespace vestra
