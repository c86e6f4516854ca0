#include "base/FileFault.h"
#include "base/PathText.h"
#include "history/BackendModules.h"
#include "history/HistorySchema.h"
#include "history/HistoryStore.h"
#include "history/SqlHistoryStore.h"

#include <filesystem>
#include <system_error>

namespace vestra::history {
namespace {

// SQLite would open a FIFO as the database and wait in a read for a writer; asking for the
// file's type waits for nothing. A link to a file counts as the file.
void checkRegularFile(const std::string& path) {
    std::error_code error;
    std::filesystem::file_status status = std::filesystem::status(PathOfText(path), error);
    if (!error && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw SqlError(FileFaultLine(path, kNotRegularFile));
    }
}

std::unique_ptr<SqlConnection> connect(const DatabaseName& name, HistoryAccess access) {
    if (const auto* server = std::get_if<ServerAddress>(&name)) {
        return ConnectPostgres(*server, access);
    }
    const auto& file = std::get<SqliteFile>(name);
    std::filesystem::path folder = std::filesystem::path(file.path).parent_path();
    std::error_code error;
    if (file.makeFolder && access == HistoryAccess::ReadWrite && !folder.empty()) {
        std::filesystem::create_directories(folder, error); // a failure is reported by the open
    }
    checkRegularFile(file.path);
    // What is missing is named before SQLite would say only that it cannot open the file.
    std::filesystem::path needed =
        access == HistoryAccess::ReadOnly ? std::filesystem::path(file.path) : folder;
    if (!needed.empty() && !std::filesystem::exists(needed, error)) {
        throw SqlError(FileFaultLine(needed.string(), FileFaultText(ENOENT)));
    }
    return ConnectSqlite(file.path, access);
}

} // namespace

Expected<std::unique_ptr<HistoryStore>> OpenHistoryStore(const DatabaseName& name,
                                                         HistoryAccess access) {
    try {
        std::unique_ptr<SqlConnection> connection = connect(name, access);
        if (access == HistoryAccess::ReadWrite) {
            PrepareSchema(*connection);
        } else {
            CheckSchemaReadable(*connection);
        }
        return std::make_unique<SqlHistoryStore>(std::move(connection));
    } catch (const SqlError& e) {
        return unexpected(Error{e.what()});
    }
}

} // namespace vestra::history
