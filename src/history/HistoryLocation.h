#pragma once

#include "base/IniFile.h"
#include "history/DatabaseName.h"

#include <optional>
#include <string>

namespace vestra::history {

// The embedded database every user has: $XDG_DATA_HOME/MORVA/VESTRA2/history.sqlite, with
// ~/.local/share when the variable is unset or relative (base/UserFolders), none when the user
// has no home folder either; in %LOCALAPPDATA% on Windows.
std::optional<std::string> DefaultHistoryPath();

// Where the history lives and whether data sets flow into it, from section [History] of the
// settings file: Database= a database name (ParseDatabaseName; missing or empty for the file
// above), Record=0 turns the flow off.
struct HistorySettings {
    std::string database; // as written; empty for the default
    bool record = true;
};
HistorySettings ReadHistorySettings(const IniFile& settings);

// The database the settings name, or the default file, whose folder is made when missing; none
// with the reason when the name is refused or the default file has no place.
std::optional<DatabaseName> HistoryDatabase(const HistorySettings& settings, std::string& reason);

} // namespace vestra::history
