#pragma once

#include "history/DatabaseName.h"
#include "history/SqlConnection.h"

#include <memory>
#include <string>

namespace vestra::history {

// A connection to a PostgreSQL server through the back-end module (vestra-postgres.so), which
// alone links libpq and the ~20 libraries it pulls in; a run that names no server never loads
// them. The module is loaded at the first connection from one absolute place: the build tree's
// lib/ for a program of the build tree, else the installation's library folder beside bin/. It
// is never looked for in the current folder or the library path. Throws SqlError with the
// address (password hidden) when the module is missing or the server refuses.
std::unique_ptr<SqlConnection> ConnectPostgres(const ServerAddress& server, HistoryAccess access);

// Where the module is looked for by a program at programPath (its real path).
std::string PostgresModulePath(const std::string& programPath);

} // namespace vestra::history

// The module's one entry point, looked up by name after loading it.
extern "C" vestra::history::SqlConnection*
vestra_postgres_connect(const vestra::history::ServerAddress& server,
                        vestra::history::HistoryAccess access);
