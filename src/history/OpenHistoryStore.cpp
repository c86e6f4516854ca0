#include "history/HistorySchema.h"
#include "history/HistoryStore.h"
#include "history/PostgresConnection.h"
#include "history/SqlHistoryStore.h"
#include "history/SqliteConnection.h"

#include <filesystem>
#include <system_error>

namespace vestra::history {
namespace {

std::unique_ptr<SqlConnection> connect(const std::string& location) {
    if (IsServerLocation(location)) {
        return std::make_unique<PostgresConnection>(location);
    }
    std::filesystem::path folder = std::filesystem::path(location).parent_path();
    if (!folder.empty()) {
        std::error_code ignored; // a folder that cannot be made is reported by the open
        std::filesystem::create_directories(folder, ignored);
    }
    return std::make_unique<SqliteConnection>(location);
}

} // namespace

bool IsServerLocation(std::string_view location) {
    return location.starts_with("postgresql://") || location.starts_with("postgres://");
}

std::unique_ptr<HistoryStore> OpenHistoryStore(const std::string& location, std::string& reason) {
    try {
        std::unique_ptr<SqlConnection> connection = connect(location);
        PrepareSchema(*connection);
        return std::make_unique<SqlHistoryStore>(std::move(connection));
    } catch (const SqlError& e) {
        reason = e.what();
        return nullptr;
    }
}

} // namespace vestra::history
