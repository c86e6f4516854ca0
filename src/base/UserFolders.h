#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vestra {

// The user's folders the program keeps its own files in.
enum class UserFolderKind {
    Settings, // the settings file: XDG_CONFIG_HOME (~/.config); %APPDATA% on Windows
    Data,     // the history: XDG_DATA_HOME (~/.local/share); %LOCALAPPDATA% on Windows
    Runtime,  // the hand-over socket: XDG_RUNTIME_DIR, without a default; none on Windows
};

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

// The folder of that kind for this process's user: by the XDG rule from the environment and the
// passwd entry (getpwuid_r), or the system's known folder on Windows (SHGetKnownFolderPath).
// None when the system names no absolute folder: never the current folder.
std::optional<std::string> UserFolder(UserFolderKind kind);

// The file at relativePath ("MORVA/VESTRA2/history.sqlite", written with '/') inside the user's
// folder of that kind, in the platform's separators; none when that folder is unknown.
std::optional<std::string> UserFilePath(UserFolderKind kind, std::string_view relativePath);

// Why what (the settings file, the history) has no place: the folder of that kind is unknown.
std::string NoUserFolderText(std::string_view what, UserFolderKind kind);

} // namespace vestra
