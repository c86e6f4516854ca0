#pragma once

#include "base/Expected.h"
#include "history/DatabaseName.h"
#include "history/SqlConnection.h"

#include <exception>
#include <memory>
#include <string>
#include <string_view>

namespace vestra::history {

// The history's two back ends are modules of their own, loaded at their first connection, so
// that a run that opens no history maps neither: vestra-sqlite.so links SQLite, and
// vestra-postgres.so links libpq with the ~20 libraries it pulls in (Kerberos, LDAP, GnuTLS,
// ...). A module is loaded from one absolute place (base/InstallLayout), never from the current
// folder or the library path. Both throw SqlError naming the database (a password hidden) when
// the module is missing or the database refuses: the module's entry point hands its failure
// back as a value, and it is thrown again on this side of the boundary.
std::unique_ptr<SqlConnection> ConnectPostgres(const ServerAddress& server, HistoryAccess access);
std::unique_ptr<SqlConnection> ConnectSqlite(const std::string& path, HistoryAccess access);

// The program the window adds data sets to the history with (app/record); empty when the
// running program's own place is unknown, so that none is looked for.
std::string HistoryRecordProgram();

// What a module's entry point hands back: the connection, or what stopped it in words (the
// database named, a password hidden). No exception crosses a module's boundary: the entry
// points catch everything. A reference, since a function of C linkage returns no C++ class.
using ModuleConnection = Expected<std::unique_ptr<SqlConnection>>;

// What an entry point hands back from open: the connection, or the failure of anything it
// threw. An SqlError names the database itself; anything else (memory gone) follows shownName,
// the database as a message shows it.
template <typename Open>
ModuleConnection ConnectionOf(const std::string& shownName, Open open) noexcept {
    try {
        return open();
    } catch (const SqlError& e) {
        return unexpected(Error{e.what()});
    } catch (const std::exception& e) {
        return unexpected(Error{shownName + ": " + e.what()});
    } catch (...) {
        return unexpected(Error{shownName + ": 不明なエラー"});
    }
}

} // namespace vestra::history

// The modules' entry points, looked up by name after loading them.
extern "C" void vestra_postgres_connect(const vestra::history::ServerAddress& server,
                                        vestra::history::HistoryAccess access,
                                        vestra::history::ModuleConnection& connection) noexcept;
extern "C" void vestra_sqlite_connect(const std::string& path,
                                      vestra::history::HistoryAccess access,
                                      vestra::history::ModuleConnection& connection) noexcept;
