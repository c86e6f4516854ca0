#pragma once

#include "history/SqlConnection.h"

#include <map>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace vestra::history {

// An embedded database file. Write-ahead logging lets the window read while the tool adds;
// foreign keys keep readings tied to their data set. A file that nobody may write (no write
// permission bit) is opened read-only even for the superuser, so that it is never changed.
//
// For reading, the file is opened read-only and never created. In a folder this process cannot
// write, a database without a write-ahead log beside it is opened as immutable: SQLite could
// make neither the log nor its index there, and no writer could either, so the file cannot
// change under the reader.
class SqliteConnection : public SqlConnection {
public:
    // Opens (for writing also creates) the file; throws SqlError naming the path.
    SqliteConnection(const std::string& path, HistoryAccess access);
    ~SqliteConnection() override;
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    SqlDialect dialect() const override { return SqlDialect::Sqlite; }
    std::vector<SqlRow> query(std::string_view sql,
                              const std::vector<std::string>& params = {}) override;
    void beginWrite() override;

private:
    sqlite3_stmt* prepared(std::string_view sql);
    // The reason of the last failure: the path with SQLite's words, or, where the connection
    // writes, the folder or file the system refuses and why.
    std::string failure() const;
    [[noreturn]] void fail() const;

    std::string path_;
    HistoryAccess access_;
    sqlite3* db_ = nullptr;
    // Statements are prepared once; an add runs the same few thousands of times.
    std::map<std::string, sqlite3_stmt*, std::less<>> statements_;
};

// How long a writer waits for another writer's transaction before it gives up.
inline constexpr int kSqliteBusyMilliseconds = 3000;

} // namespace vestra::history
