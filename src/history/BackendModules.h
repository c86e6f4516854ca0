#pragma once

#include "history/DatabaseName.h"
#include "history/SqlConnection.h"

#include <memory>
#include <string>
#include <string_view>

namespace vestra::history {

// The history's two back ends are modules of their own, loaded at their first connection, so
// that a run that opens no history maps neither: vestra-sqlite.so links SQLite, and
// vestra-postgres.so links libpq with the ~20 libraries it pulls in (Kerberos, LDAP, GnuTLS,
// ...). A module is loaded from one absolute place (base/InstallLayout), never from the current
// folder or the library path. Both throw SqlError naming the database (a password hidden) when
// the module is missing or the database refuses.
std::unique_ptr<SqlConnection> ConnectPostgres(const ServerAddress& server, HistoryAccess access);
std::unique_ptr<SqlConnection> ConnectSqlite(const std::string& path, HistoryAccess access);

// The program the window adds data sets to the history with (app/record); empty when the
// running program's own place is unknown, so that none is looked for.
std::string HistoryRecordProgram();

} // namespace vestra::history

// The modules' entry points, looked up by name after loading them.
extern "C" vestra::history::SqlConnection*
vestra_postgres_connect(const vestra::history::ServerAddress& server,
                        vestra::history::HistoryAccess access);
extern "C" vestra::history::SqlConnection*
vestra_sqlite_connect(const std::string& path, vestra::history::HistoryAccess access);
