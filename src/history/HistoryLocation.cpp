#include "history/HistoryLocation.h"

#include "base/UserFolders.h"

namespace vestra::history {
namespace {} // namespace

std::optional<std::string> DefaultHistoryPath() {
    std::optional<std::string> dataHome = UserFolder("XDG_DATA_HOME", ".local/share");
    return dataHome ? std::optional(*dataHome + "/MORVA/VESTRA2/history.sqlite") : std::nullopt;
}

HistorySettings ReadHistorySettings(const IniFile& ini) {
    HistorySettings settings;
    settings.database = ini.value("History", "Database").value_or("");
    settings.record = ini.value("History", "Record") != "0";
    return settings;
}

std::optional<DatabaseName> HistoryDatabase(const HistorySettings& settings, std::string& reason) {
    if (settings.database.empty()) {
        std::optional<std::string> path = DefaultHistoryPath();
        if (!path) {
            reason = NoUserFolderText("履歴データベース", "XDG_DATA_HOME");
            return std::nullopt;
        }
        return SqliteFile{*path, true};
    }
    return ParseDatabaseName(settings.database, reason);
}

} // namespace vestra::history
