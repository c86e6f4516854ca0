#include "history/PostgresConnection.h"

#include "history/BackendModules.h"
#include "history/SqlText.h"

#include <libpq-fe.h>

namespace vestra::history {
namespace {

// The server's chatter (a table that already exists, say) is not the user's business.
void ignoreNotice(void*, const char*) {}

// The server's messages run over several lines (a hint under the error); the user gets one.
std::string oneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\n' || c == '\t') {
            if (!line.empty() && line.back() != ' ') {
                line += ' ';
            }
        } else {
            line += c;
        }
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

} // namespace

PostgresConnection::PostgresConnection(const ServerAddress& server, HistoryAccess access)
    : server_(server) {
    // The time-out comes first so that one written in the connection string wins.
    std::string timeout = std::to_string(kConnectSeconds);
    const char* keywords[] = {"connect_timeout", "dbname", nullptr};
    const char* values[] = {timeout.c_str(), server.conninfo.c_str(), nullptr};
    conn_ = PQconnectdbParams(keywords, values, 1);
    if (PQstatus(conn_) != CONNECTION_OK) {
        std::string reason = conn_ ? PQerrorMessage(conn_) : "out of memory";
        PQfinish(conn_);
        conn_ = nullptr;
        fail(reason);
    }
    PQsetNoticeProcessor(conn_, ignoreNotice, nullptr);
    PQsetClientEncoding(conn_, "UTF8");
    try {
        query("SET lock_timeout = '" + std::to_string(kLockSeconds) + "s'");
        if (access == HistoryAccess::ReadOnly) {
            query("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY");
        }
    } catch (const SqlError&) {
        PQfinish(conn_);
        throw;
    }
}

PostgresConnection::~PostgresConnection() {
    PQfinish(conn_);
}

void PostgresConnection::fail(const std::string& reason) const {
    // libpq quotes a piece of the name it cannot read, which may be the password.
    throw SqlError(RedactedDatabaseName(server_.conninfo) + ": " +
                   WithoutPasswords(oneLine(reason), server_.conninfo));
}

std::vector<SqlRow> PostgresConnection::query(std::string_view sql,
                                              const std::vector<std::string>& params) {
    std::vector<const char*> values;
    values.reserve(params.size());
    for (const std::string& p : params) {
        values.push_back(p.c_str());
    }
    std::string numbered = NumberedParameters(sql);
    PGresult* result = PQexecParams(conn_, numbered.c_str(), static_cast<int>(values.size()),
                                    nullptr, values.data(), nullptr, nullptr, 0);
    ExecStatusType status = PQresultStatus(result);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
        std::string reason = result ? PQresultErrorMessage(result) : PQerrorMessage(conn_);
        PQclear(result);
        fail(reason);
    }
    std::vector<SqlRow> rows(static_cast<std::size_t>(PQntuples(result)));
    int columns = PQnfields(result);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < columns; ++c) {
            rows[r].emplace_back(PQgetvalue(result, static_cast<int>(r), c));
        }
    }
    PQclear(result);
    return rows;
}

} // namespace vestra::history

void vestra_postgres_connect(const vestra::history::ServerAddress& server,
                             vestra::history::HistoryAccess access,
                             vestra::history::ModuleConnection& connection) noexcept {
    connection =
        vestra::history::ConnectionOf(vestra::history::RedactedDatabaseName(server.conninfo), [&] {
            return std::make_unique<vestra::history::PostgresConnection>(server, access);
        });
}
