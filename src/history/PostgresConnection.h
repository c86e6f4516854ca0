#pragma once

#include "history/DatabaseName.h"
#include "history/SqlConnection.h"

#include <string>

struct pg_conn;

namespace vestra::history {

// A team's shared server, reached through its connection string (postgresql://...). A server
// that does not answer is given up after kConnectSeconds, and a wait for a table another
// session holds after kLockSeconds, so that neither the window's recorder nor the tool hangs on
// it. For reading, the session's transactions are read-only.
class PostgresConnection : public SqlConnection {
public:
    // Throws SqlError with the address (password hidden) and the server's or network's reason.
    PostgresConnection(const ServerAddress& server, HistoryAccess access);
    ~PostgresConnection() override;
    PostgresConnection(const PostgresConnection&) = delete;
    PostgresConnection& operator=(const PostgresConnection&) = delete;

    SqlDialect dialect() const override { return SqlDialect::Postgresql; }
    std::vector<SqlRow> query(std::string_view sql,
                              const std::vector<std::string>& params = {}) override;
    void beginWrite() override { query("BEGIN"); }

private:
    [[noreturn]] void fail(const std::string& reason) const;

    ServerAddress server_;
    pg_conn* conn_ = nullptr;
};

inline constexpr int kConnectSeconds = 5;
// A writer holds its locks for the milliseconds one data set takes: a longer wait means another
// session holds the table (LOCK TABLE, a transaction left open), and the statement gives up.
inline constexpr int kLockSeconds = 10;

} // namespace vestra::history
