#include "history/BackendModules.h"

#include "base/FileFault.h"
#include "base/InstallLayout.h"
#include "base/LoadedModule.h"

namespace vestra::history {

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
    return std::unique_ptr<SqlConnection>(connect(server, access));
}

std::unique_ptr<SqlConnection> ConnectSqlite(const std::string& path, HistoryAccess access) {
    ModuleEntry loaded =
        LoadModuleEntry("vestra-sqlite", "vestra_sqlite_connect", "SQLite back end");
    if (loaded.entry == nullptr) {
        throw SqlError(FileFaultLine(path, loaded.failure));
    }
    auto connect = reinterpret_cast<decltype(&vestra_sqlite_connect)>(loaded.entry);
    return std::unique_ptr<SqlConnection>(connect(path, access));
}

} // namespace vestra::history
