#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vestra::history {

// What went wrong in a database, in words for the user: the database's own message, and for a
// server its address.
class SqlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a command does with the history: reading commands never create, migrate or write.
enum class HistoryAccess { ReadWrite, ReadOnly };

// The two SQL dialects the history speaks; they differ only in a few words of the schema.
enum class SqlDialect { Sqlite, Postgresql };

using SqlRow = std::vector<std::string>;

// One open connection to a database. Statements use "?" for their parameters; every value
// travels as text and the database converts it to the column's type. Columns the store reads
// are never NULL, so a row is plain text. Failures throw SqlError.
class SqlConnection {
public:
    virtual ~SqlConnection() = default;

    virtual SqlDialect dialect() const = 0;

    // Runs one statement and returns the rows it produced.
    virtual std::vector<SqlRow> query(std::string_view sql,
                                      const std::vector<std::string>& params = {}) = 0;

    // Starts a transaction that holds the write lock from its first statement on, so that a
    // writer waits (or fails) before it has done any work rather than in the middle of it.
    virtual void beginWrite() = 0;
    void commit() { query("COMMIT"); }
    void rollback() noexcept;
};

} // namespace vestra::history
