#include "history/HistoryLocation.h"

#include <cstdlib>

namespace vestra::history {
namespace {

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

HistorySettings ReadHistorySettings(const IniFile& ini) {
    HistorySettings settings;
    settings.database = ini.value("History", "Database").value_or("");
    settings.record = ini.value("History", "Record") != "0";
    return settings;
}

std::optional<DatabaseName> HistoryDatabase(const HistorySettings& settings, std::string& reason) {
    if (settings.database.empty()) {
        return SqliteFile{DefaultHistoryPath(), true};
    }
    return ParseDatabaseName(settings.database, reason);
}

} // namespace vestra::history
