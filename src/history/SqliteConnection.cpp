#include "history/SqliteConnection.h"

#include "base/FileFault.h"
#include "base/VisibleText.h"
#include "history/BackendModules.h"

#include <cerrno>
#include <filesystem>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vestra::history {
namespace {

bool markedReadOnly(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & 0222) == 0;
}

std::string folderOf(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

bool canWriteFolderOf(const std::string& path) {
    return ::access(folderOf(path).c_str(), W_OK) == 0;
}

bool exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// A path as a URI file name: the characters a URI gives a meaning to are escaped, and an
// absolute path gets an empty authority, so that "//x" is never read as a host.
std::string uriOf(const std::string& path) {
    std::string uri = path.starts_with('/') ? "file://" : "file:";
    for (unsigned char c : path) {
        if (c == '%' || c == '?' || c == '#' || c < 0x20 || c >= 0x7f) {
            constexpr char kHex[] = "0123456789abcdef";
            uri += {'%', kHex[c >> 4], kHex[c & 15]};
        } else {
            uri += static_cast<char>(c);
        }
    }
    return uri;
}

std::string readOnlyUri(const std::string& path) {
    bool immutable = !canWriteFolderOf(path) && !exists(path + "-wal");
    return uriOf(path) + (immutable ? "?mode=ro&immutable=1" : "?mode=ro");
}

// SQLite names a folder or a file it may not write only as "unable to open database file" or
// "attempt to write a readonly database". Which of the two the system refuses, and why, is what
// the user can change; empty when the system refuses neither.
std::string refusedPlace(const std::string& path) {
    std::string folder = folderOf(path);
    if (::access(folder.c_str(), W_OK) != 0) {
        return FileFaultLine(path, "フォルダ " + VisibleText(folder) + " に書き込めません (" +
                                       FileFaultText(errno) + ")");
    }
    // A file without any write permission bit is opened read-only even for the superuser.
    int error = markedReadOnly(path) ? EACCES : ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
    if (error != 0 && error != ENOENT) {
        return FileFaultLine(path, "書き込めません (" + FileFaultText(error) + ")");
    }
    return {};
}

} // namespace

SqliteConnection::SqliteConnection(const std::string& path, HistoryAccess access)
    : path_(path), access_(access) {
    bool readOnly = access == HistoryAccess::ReadOnly || markedReadOnly(path);
    std::string name = access == HistoryAccess::ReadOnly ? readOnlyUri(path) : path;
    int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    if (access == HistoryAccess::ReadOnly) {
        flags |= SQLITE_OPEN_URI;
    }
    if (sqlite3_open_v2(name.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        std::string reason = failure();
        sqlite3_close(db_);
        throw SqlError(reason);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, kSqliteBusyMilliseconds);
    try {
        query("PRAGMA foreign_keys = ON");
        if (!readOnly) {
            query("PRAGMA journal_mode = WAL");
            // In write-ahead mode a commit survives a killed program without a flush per commit;
            // only a power cut can lose the last few, never the database's consistency.
            query("PRAGMA synchronous = NORMAL");
            // A multi-row insert keeps its undo records in memory, not in a file per statement.
            query("PRAGMA temp_store = MEMORY");
        }
    } catch (const SqlError&) {
        sqlite3_close(db_);
        throw;
    }
}

SqliteConnection::~SqliteConnection() {
    for (auto& [sql, statement] : statements_) {
        sqlite3_finalize(statement);
    }
    sqlite3_close(db_);
}

std::string SqliteConnection::failure() const {
    int code = sqlite3_extended_errcode(db_) & 0xff;
    if (access_ == HistoryAccess::ReadWrite &&
        (code == SQLITE_CANTOPEN || code == SQLITE_READONLY)) {
        if (std::string refused = refusedPlace(path_); !refused.empty()) {
            return refused;
        }
    }
    return FileFaultLine(path_, sqlite3_errmsg(db_));
}

void SqliteConnection::fail() const {
    throw SqlError(failure());
}

sqlite3_stmt* SqliteConnection::prepared(std::string_view sql) {
    if (auto found = statements_.find(sql); found != statements_.end()) {
        return found->second;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement, nullptr) !=
        SQLITE_OK) {
        fail();
    }
    statements_.emplace(std::string(sql), statement);
    return statement;
}

std::vector<SqlRow> SqliteConnection::query(std::string_view sql,
                                            const std::vector<std::string>& params) {
    sqlite3_stmt* statement = prepared(sql);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    for (std::size_t i = 0; i < params.size(); ++i) {
        sqlite3_bind_text(statement, static_cast<int>(i + 1), params[i].data(),
                          static_cast<int>(params[i].size()), SQLITE_STATIC);
    }
    std::vector<SqlRow> rows;
    int columns = sqlite3_column_count(statement);
    int step;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        SqlRow& row = rows.emplace_back();
        row.reserve(static_cast<std::size_t>(columns));
        for (int c = 0; c < columns; ++c) {
            const unsigned char* text = sqlite3_column_text(statement, c);
            row.emplace_back(text ? reinterpret_cast<const char*>(text) : "",
                             static_cast<std::size_t>(sqlite3_column_bytes(statement, c)));
        }
    }
    if (step != SQLITE_DONE) {
        std::string reason = failure();
        sqlite3_reset(statement);
        throw SqlError(reason);
    }
    sqlite3_reset(statement);
    return rows;
}

// IMMEDIATE takes the write lock at once: a second writer waits for it here, before reading
// anything it would have to read again.
void SqliteConnection::beginWrite() {
    query("BEGIN IMMEDIATE");
}

} // namespace vestra::history

void vestra_sqlite_connect(const std::string& path, vestra::history::HistoryAccess access,
                           vestra::history::ModuleConnection& connection) noexcept {
    connection = vestra::history::ConnectionOf(vestra::VisibleText(path), [&] {
        return std::make_unique<vestra::history::SqliteConnection>(path, access);
    });
}
