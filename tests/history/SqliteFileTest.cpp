#include "base/FileFault.h"
#include "base/LoadedModule.h"
#include "base/TemperatureUnit.h"
#include "history/BackendModules.h"
#include "history/HistoryData.h"
#include "history/HistoryLocation.h"
#include "history/HistoryStore.h"
#include "history/TestDatabase.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vestra::history {
namespace {

// What only an embedded database file can meet: another program's lock, a file the user made
// read-only, a file that is no database.
class SqliteFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        store_ = open(path_);
        ASSERT_NE(store_, nullptr) << reason_;
        ASSERT_TRUE(addRound(1)) << reason_;
    }

    std::unique_ptr<HistoryStore> open(const std::string& path,
                                       HistoryAccess access = HistoryAccess::ReadWrite) {
        auto opened = OpenHistoryStore(SqliteFile{path}, access);
        return testing::Holds(opened, reason_) ? std::move(*opened) : nullptr;
    }

    bool addRound(int round) {
        return testing::Holds(
            store_->add(testing::RoundDataSet(round), TemperatureUnit::Celsius, "r.qmc"), reason_);
    }

    // check in a child that an alarm ends, so that a call that blocks fails the test; as the
    // superuser, the child runs as a user, whom permissions bind. The child's exit status.
    int inChild(const std::function<bool()>& check) {
        pid_t child = fork();
        if (child == 0) {
            alarm(5);
            bool user = ::geteuid() != 0 ||
                        (setgroups(0, nullptr) == 0 && setresgid(4242, 4242, 4242) == 0 &&
                         setresuid(4242, 4242, 4242) == 0);
            bool passed = user && check();
            std::fputs(passed ? "" : (reason_ + "\n").c_str(), stderr);
            _exit(passed ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    }

    std::string count() {
        return ConnectSqlite(path_, HistoryAccess::ReadWrite)
            ->query("SELECT count(*) FROM data_set")
            .at(0)
            .at(0);
    }

    testing::TempFolder folder_{"vestra-sqlite"};
    std::string path_ = folder_.file("h.sqlite");
    std::unique_ptr<HistoryStore> store_;
    std::string reason_;
};

TEST_F(SqliteFileTest, ALockedDatabaseNamesTheFileAndKeepsItsData) {
    auto other = ConnectSqlite(path_, HistoryAccess::ReadWrite);
    other->query("BEGIN EXCLUSIVE");
    EXPECT_FALSE(addRound(2));
    EXPECT_NE(reason_.find(path_), std::string::npos) << reason_;
    EXPECT_NE(reason_.find("locked"), std::string::npos) << reason_;
    other->rollback();
    EXPECT_EQ(count(), "1");
    EXPECT_TRUE(addRound(2)) << reason_;
}

TEST_F(SqliteFileTest, AReadOnlyDatabaseIsNeverWritten) {
    store_.reset();
    ASSERT_EQ(::chmod(path_.c_str(), 0444), 0);
    store_ = open(path_);
    ASSERT_NE(store_, nullptr) << reason_;
    EXPECT_FALSE(addRound(2));
    EXPECT_EQ(reason_, path_ + ": 書き込めません (" + FileFaultText(EACCES) + ")");
    EXPECT_TRUE(testing::Holds(store_->tags(), reason_)) << reason_;
    EXPECT_EQ(count(), "1");
}

TEST_F(SqliteFileTest, AFileThatIsNoDatabaseIsRefusedAndKept) {
    std::string other = folder_.file("notes.txt");
    testing::WriteBytes(other, "plain text, not a database\n");
    EXPECT_EQ(open(other), nullptr);
    EXPECT_NE(reason_.find(other), std::string::npos) << reason_;
    EXPECT_EQ(testing::ReadBytes(other), "plain text, not a database\n");
}

TEST_F(SqliteFileTest, OnlyTheDefaultFolderIsMade) {
    std::string named = folder_.file("typo/history.sqlite");
    EXPECT_EQ(open(named), nullptr);
    EXPECT_NE(reason_.find(folder_.file("typo")), std::string::npos) << reason_;
    EXPECT_FALSE(std::filesystem::exists(folder_.file("typo")));
    ::setenv("XDG_DATA_HOME", folder_.file("data").c_str(), 1);
    auto name = HistoryDatabase({}, reason_).value();
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(testing::Holds(OpenHistoryStore(name, HistoryAccess::ReadWrite), reason_))
        << reason_;
    EXPECT_TRUE(std::filesystem::exists(folder_.file("data/MORVA/VESTRA2/history.sqlite")));
}

// Reading never creates a file, the tables of an empty file, or anything in the database.
TEST_F(SqliteFileTest, ReadingWritesNothing) {
    store_.reset();
    testing::WriteBytes(folder_.file("empty.sqlite"), "");
    std::string bytes = testing::ReadBytes(path_);
    for (const char* name : {"none.sqlite", "empty.sqlite"}) {
        EXPECT_EQ(open(folder_.file(name), HistoryAccess::ReadOnly), nullptr) << name;
    }
    auto reader = open(path_, HistoryAccess::ReadOnly);
    ASSERT_NE(reader, nullptr) << reason_;
    EXPECT_FALSE(reader->add(testing::RoundDataSet(2), TemperatureUnit::Celsius, "r.qmc"));
    reader.reset();
    EXPECT_EQ(testing::ReadBytes(path_), bytes);
    EXPECT_EQ(testing::ReadBytes(folder_.file("empty.sqlite")), "");
    EXPECT_FALSE(std::filesystem::exists(folder_.file("none.sqlite")));
    std::string odd = folder_.file("履歴 ?#%41.sqlite"); // read as a URI, escaped
    ASSERT_NE(open(odd), nullptr) << reason_;
    EXPECT_NE(open(odd, HistoryAccess::ReadOnly), nullptr) << reason_;
}

// A FIFO as the database would hold SQLite in a read until a writer came.
TEST_F(SqliteFileTest, AFifoAsTheDatabaseIsRefusedAtOnce) {
    std::string fifo = folder_.file("a\t.sqlite");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    for (HistoryAccess access : {HistoryAccess::ReadOnly, HistoryAccess::ReadWrite}) {
        EXPECT_EQ(inChild([&] {
                      return open(fifo, access) == nullptr &&
                             reason_ == folder_.file("a\\t.sqlite: ") + kNotRegularFile;
                  }),
                  0);
    }
}

// SQLite says only "unable to open database file" or "attempt to write a readonly database".
TEST_F(SqliteFileTest, AFolderOrFileThatCannotBeWrittenIsNamedWithTheCause) {
    std::string folder = folder_.file("ro");
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    store_.reset();
    ::chmod(folder_.path().c_str(), 0777);
    ::chmod(folder.c_str(), 0555);
    ::chmod(path_.c_str(), ::geteuid() == 0 ? 0644 : 0444); // the superuser's, or marked
    const std::pair<std::string, std::string> cases[] = {
        {folder + "/h.sqlite", folder + "/h.sqlite: フォルダ " + folder + " に書き込めません"},
        {path_, path_ + ": 書き込めません"},
    };
    for (const auto& [database, place] : cases) {
        EXPECT_EQ(inChild([&] {
                      store_ = open(database);
                      return !(store_ && addRound(2)) &&
                             reason_ == place + " (" + FileFaultText(EACCES) + ")";
                  }),
                  0)
            << database;
    }
    ::chmod(folder.c_str(), 0755);
}

// The module's entry point hands its failure back: no exception crosses the module's boundary.
TEST_F(SqliteFileTest, TheModuleHandsItsFailureBackAsAValue) {
    ModuleEntry loaded =
        LoadModuleEntry("vestra-sqlite", "vestra_sqlite_connect", "SQLite back end");
    ASSERT_NE(loaded.entry, nullptr) << loaded.failure;
    auto connect = reinterpret_cast<decltype(&vestra_sqlite_connect)>(loaded.entry);
    std::string missing = folder_.file("none/h.sqlite");
    ModuleConnection connection;
    connect(missing, HistoryAccess::ReadWrite, connection);
    ASSERT_FALSE(connection);
    EXPECT_TRUE(connection.error().text.starts_with(missing + ": ")) << connection.error().text;
}

TEST_F(SqliteFileTest, TheDatabaseKeepsItsJournalBesideIt) {
    EXPECT_EQ(
        ConnectSqlite(path_, HistoryAccess::ReadWrite)->query("PRAGMA journal_mode").at(0).at(0),
        "wal");
}

} // namespace
} // namespace vestra::history
