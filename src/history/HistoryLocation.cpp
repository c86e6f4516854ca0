#include "history/HistoryLocation.h"

#include "shell/Settings.h"

#include <cstdlib>

namespace vestra::history {
namespace {

constexpr const char* kMissing = "???";

std::string dataHome() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && *xdg != '\0') {
        return xdg;
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.local/share";
}

} // namespace

std::string DefaultHistoryPath() {
    return dataHome() + "/MORVA/VESTRA2/history.sqlite";
}

HistorySettings ReadHistorySettings(const std::string& settingsFile) {
    HistorySettings settings;
    std::string database = ReadIniString(settingsFile, "History", "Database");
    settings.location = database == kMissing || database.empty() ? DefaultHistoryPath() : database;
    settings.record = ReadIniString(settingsFile, "History", "Record") != "0";
    return settings;
}

} // namespace vestra::history
