#include "history/HistoryLocation.h"

#include "base/UserFolders.h"

namespace vestra::history {
std::optional<std::string> DefaultHistoryPath() {
    return UserFilePath(UserFolderKind::Data, "MORVA/VESTRA2/history.sqlite");
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
            reason = NoUserFolderText("履歴データベース", UserFolderKind::Data);
            return std::nullopt;
        }
        return SqliteFile{*path, true};
    }
    return ParseDatabaseName(settings.database, reason);
}

} // namespace vestra::history
