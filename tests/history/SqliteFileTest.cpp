#include "history/HistoryData.h"
#include "history/HistoryStore.h"
#include "history/SqliteConnection.h"
#include "history/TestDatabase.h"
#include "shell/Common.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace vestra::history {
namespace {

// What only an embedded database file can meet: another program's lock, a file the user made
// read-only, a file that is no database.
class SqliteFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        store_ = OpenHistoryStore(path_, reason_);
        ASSERT_NE(store_, nullptr) << reason_;
        ASSERT_TRUE(addRound(1)) << reason_;
    }

    bool addRound(int round) {
        AddOutcome outcome{};
        return store_->add(testing::RoundDataSet(round), kUnitCelsius, "r.qmc", outcome, reason_);
    }

    std::string count() {
        return SqliteConnection(path_).query("SELECT count(*) FROM data_set").at(0).at(0);
    }

    testing::TempFolder folder_{"vestra-sqlite"};
    std::string path_ = folder_.file("h.sqlite");
    std::unique_ptr<HistoryStore> store_;
    std::string reason_;
};

TEST_F(SqliteFileTest, ALockedDatabaseNamesTheFileAndKeepsItsData) {
    SqliteConnection other(path_);
    other.query("BEGIN EXCLUSIVE");
    EXPECT_FALSE(addRound(2));
    EXPECT_NE(reason_.find(path_), std::string::npos) << reason_;
    EXPECT_NE(reason_.find("locked"), std::string::npos) << reason_;
    other.rollback();
    EXPECT_EQ(count(), "1");
    EXPECT_TRUE(addRound(2)) << reason_;
}

TEST_F(SqliteFileTest, AReadOnlyDatabaseIsNeverWritten) {
    store_.reset();
    ASSERT_EQ(::chmod(path_.c_str(), 0444), 0);
    store_ = OpenHistoryStore(path_, reason_);
    ASSERT_NE(store_, nullptr) << reason_;
    EXPECT_FALSE(addRound(2));
    EXPECT_NE(reason_.find("readonly"), std::string::npos) << reason_;
    std::vector<TagSummary> tags;
    EXPECT_TRUE(store_->tags(tags, reason_)) << reason_;
    EXPECT_EQ(count(), "1");
}

TEST_F(SqliteFileTest, AFileThatIsNoDatabaseIsRefusedAndKept) {
    std::string other = folder_.file("notes.txt");
    testing::WriteBytes(other, "plain text, not a database\n");
    EXPECT_EQ(OpenHistoryStore(other, reason_), nullptr);
    EXPECT_NE(reason_.find(other), std::string::npos) << reason_;
    EXPECT_EQ(testing::ReadBytes(other), "plain text, not a database\n");
}

TEST_F(SqliteFileTest, TheFolderOfANewDatabaseIsMade) {
    std::string nested = folder_.file("a/b/history.sqlite");
    EXPECT_NE(OpenHistoryStore(nested, reason_), nullptr) << reason_;
    struct stat info {};
    EXPECT_EQ(::stat(nested.c_str(), &info), 0);
}

TEST_F(SqliteFileTest, TheDatabaseKeepsItsJournalBesideIt) {
    EXPECT_EQ(SqliteConnection(path_).query("PRAGMA journal_mode").at(0).at(0), "wal");
}

} // namespace
} // namespace vestra::history
