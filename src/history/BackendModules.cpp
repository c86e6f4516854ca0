#include "history/BackendModules.h"

#include "base/FileFault.h"
#include "base/InstallLayout.h"
#include "base/LoadedModule.h"

namespace vestra::history {
namespace {

// The connection a module's entry point made; its failure is thrown again as the SQL code's.
template <typename Database>
std::unique_ptr<SqlConnection> connected(const Database& database, HistoryAccess access,
                                         void (*connect)(const Database&, HistoryAccess,
                                                         ModuleConnection&) noexcept) {
    ModuleConnection connection;
    connect(database, access, connection);
    if (!connection) {
        throw SqlError(connection.error().text);
    }
    return std::move(*connection);
}

} // namespace

std::string HistoryRecordProgram() {
    return PrivateProgramPath(RunningProgram(), "vestra-history-record").value_or("");
}

std::unique_ptr<SqlConnection> ConnectPostgres(const ServerAddress& server, HistoryAccess access) {
    ModuleEntry loaded =
        LoadModuleEntry("vestra-postgres", "vestra_postgres_connect", "PostgreSQL back end");
    if (loaded.entry == nullptr) {
        throw SqlError(RedactedDatabaseName(server.conninfo) + ": " + loaded.failure);
    }
    auto connect = reinterpret_cast<decltype(&vestra_postgres_connect)>(loaded.entry);
    return connected(server, access, connect);
}

std::unique_ptr<SqlConnection> ConnectSqlite(const std::string& path, HistoryAccess access) {
    ModuleEntry loaded =
        LoadModuleEntry("vestra-sqlite", "vestra_sqlite_connect", "SQLite back end");
    if (loaded.entry == nullptr) {
        throw SqlError(FileFaultLine(path, loaded.failure));
    }
    auto connect = reinterpret_cast<decltype(&vestra_sqlite_connect)>(loaded.entry);
    return connected(path, access, connect);
}

} // namespace vestra::history
