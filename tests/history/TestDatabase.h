#pragma once

#include "files/TempFolder.h"
#include "history/BackendModules.h"
#include "history/HistoryStore.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>

namespace vestra::testing {

enum class Backend { Sqlite, Postgresql };

inline std::string BackendName(const ::testing::TestParamInfo<Backend>& info) {
    return info.param == Backend::Sqlite ? "Sqlite" : "Postgresql";
}

// The server the tests may use, as postgresql://user@host:port without a database; the test
// run of tools/run-tests.sh starts a private one and sets it.
inline std::optional<std::string> TestServer() {
    const char* address = std::getenv("VESTRA_TEST_POSTGRESQL");
    if (address == nullptr || *address == '\0') {
        return std::nullopt;
    }
    return std::string(address);
}

inline constexpr const char* kNoServer =
    "no PostgreSQL server given: set VESTRA_TEST_POSTGRESQL=postgresql://USER@HOST:PORT "
    "(tools/test-postgresql.sh starts one)";

// A fresh, empty database of the back end, removed at the end: a file in a private folder, or
// a database of its own on the test server, so that tests running side by side never meet.
class TestDatabase {
public:
    explicit TestDatabase(Backend backend) : backend_(backend) {
        if (backend == Backend::Sqlite) {
            location_ = folder_.file("history.sqlite");
            return;
        }
        static std::atomic<int> counter{0};
        name_ = "vestra_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
        auto server = history::ConnectPostgres({*TestServer() + "/postgres"},
                                               history::HistoryAccess::ReadWrite);
        server->query("DROP DATABASE IF EXISTS " + name_);
        server->query("CREATE DATABASE " + name_);
        location_ = *TestServer() + "/" + name_;
    }
    ~TestDatabase() {
        if (backend_ == Backend::Postgresql) {
            auto server = history::ConnectPostgres({*TestServer() + "/postgres"},
                                                   history::HistoryAccess::ReadWrite);
            server->query("DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
        }
    }
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    const std::string& location() const { return location_; }
    const TempFolder& folder() const { return folder_; }

private:
    Backend backend_;
    TempFolder folder_{"vestra-history"};
    std::string name_;
    std::string location_;
};

// A connection of the test's own to the database, beside the store's.
inline std::unique_ptr<history::SqlConnection> RawConnection(const std::string& location) {
    std::string reason;
    auto name = history::ParseDatabaseName(location, reason).value();
    if (const auto* server = std::get_if<history::ServerAddress>(&name)) {
        return history::ConnectPostgres(*server, history::HistoryAccess::ReadWrite);
    }
    return history::ConnectSqlite(location, history::HistoryAccess::ReadWrite);
}

// Whether result holds a value; if not, its error's text is put in reason for the test to check.
template <typename T> bool Holds(const Expected<T>& result, std::string& reason) {
    if (!result) {
        reason = result.error().text;
    }
    return result.has_value();
}

// The store at a database name as the tool takes it.
inline Expected<std::unique_ptr<history::HistoryStore>>
OpenTestStore(const std::string& location,
              history::HistoryAccess access = history::HistoryAccess::ReadWrite) {
    std::string reason;
    return history::OpenHistoryStore(history::ParseDatabaseName(location, reason).value(), access);
}

// Makes the database refuse a reading of this value with the message "refused", so that a
// test can make an add fail half-way through its statements.
inline void RefuseValue(const std::string& location, float value) {
    auto raw = RawConnection(location);
    std::string v = std::to_string(value);
    if (raw->dialect() == history::SqlDialect::Sqlite) {
        raw->query("CREATE TRIGGER refuse BEFORE INSERT ON reading WHEN NEW.value = " + v +
                   " BEGIN SELECT RAISE(ABORT, 'refused'); END");
        return;
    }
    raw->query("CREATE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN IF "
               "NEW.value = " +
               v + " THEN RAISE EXCEPTION 'refused'; END IF; RETURN NEW; END $$");
    raw->query("CREATE TRIGGER refuse BEFORE INSERT ON reading FOR EACH ROW EXECUTE FUNCTION "
               "refuse()");
}

} // namespace vestra::testing
