#pragma once

#include <string>

namespace vestra::history {

// The embedded database every user has: $XDG_DATA_HOME/MORVA/VESTRA2/history.sqlite, with
// ~/.local/share when the variable is unset.
std::string DefaultHistoryPath();

// Where the history lives and whether data sets flow into it, from section [History] of the
// settings file: Database= a connection string or a file (default the file above), Record=0
// turns the flow off.
struct HistorySettings {
    std::string location;
    bool record = true;
};
HistorySettings ReadHistorySettings(const std::string& settingsFile);

} // namespace vestra::history
