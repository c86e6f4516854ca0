#include "base/TemperatureUnit.h"
#include "files/TempFolder.h"
#include "history/BackendModules.h"
#include "history/ContentKeyMigration.h"
#include "history/HistoryCsv.h"
#include "history/HistoryData.h"
#include "history/HistoryStore.h"
#include "history/HistoryTrend.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>

namespace vestra::history {
namespace {

// Working, or the damaged database named, or a newer program's database refused; nothing else.
template <typename T>
void expectWorksOrDamaged(const Expected<T>& result, const std::string& what) {
    std::string reason = result ? "" : result.error().text;
    bool newer = reason.find("newer than this program's") != std::string::npos;
    EXPECT_TRUE(result || reason.starts_with("履歴データベースが壊れています: ") || newer)
        << what << ": " << reason;
}

// Every way the programs read the history (tags, readings by tag and object, their CSV and
// trend, the overview's newest groups, the data sets and one of them), and an add of a stored and
// of a new data set.
void readEverything(const std::string& path, const std::string& what) {
    auto reader = OpenHistoryStore(SqliteFile{path}, HistoryAccess::ReadOnly);
    expectWorksOrDamaged(reader, what + " open");
    if (reader) {
        HistoryStore& store = **reader;
        expectWorksOrDamaged(store.tags(), what + " tags");
        for (auto [key, name] :
             {std::pair{HistoryKey::Tag, "TAG2"}, {HistoryKey::Object, "ﾀﾞｸﾄ"}}) {
            auto found = store.readings({key, name, TemperatureUnit::Celsius});
            expectWorksOrDamaged(found, what + " readings of " + name);
            if (found) {
                HistoryCsvLines(*found, TemperatureUnit::Celsius);
                LayoutTrend(*found, 800, 400);
            }
        }
        expectWorksOrDamaged(store.newestReadings(8), what + " newest readings");
        expectWorksOrDamaged(store.dataSets(0, 10), what + " data sets");
        expectWorksOrDamaged(store.dataSet(1), what + " data set");
    }
    auto writer = OpenHistoryStore(SqliteFile{path}, HistoryAccess::ReadWrite);
    for (int round : {1, 3}) {
        Expected<AddOutcome> added =
            writer ? (*writer)->add(testing::RoundDataSet(round), TemperatureUnit::Celsius, "c")
                   : unexpected(writer.error());
        // Rows left without their data set may also meet the database's own keys.
        EXPECT_TRUE(added || !added.error().text.empty()) << what << " add";
    }
}

// Any value in any column, written by another hand (NULL, text, blobs, numbers out of range,
// not finite, random): every path, and the migration to the current version, works or names the
// damage; none throws anything else.
TEST(DamagedDatabaseTest, EveryReadPathSurvivesAnyValueInAnyColumn) {
    testing::TempFolder folder{"vestra-damaged"};
    std::string pristine = folder.file("pristine.sqlite");
    std::string damaged = folder.file("damaged.sqlite");
    ASSERT_TRUE(OpenHistoryStore(SqliteFile{pristine}, HistoryAccess::ReadWrite)
                    .value()
                    ->add(testing::RoundDataSet(1), TemperatureUnit::Celsius, "a"));
    std::vector<std::pair<std::string, std::string>> columns;
    {
        auto raw = ConnectSqlite(pristine, HistoryAccess::ReadWrite);
        // Of version 2, so that the writer migrates each damaged copy first.
        raw->query("UPDATE data_set SET content_hash = ?",
                   {Version2ContentHash(testing::RoundDataSet(1), TemperatureUnit::Celsius)});
        raw->query("UPDATE history_schema SET version = 2");
        raw->query("PRAGMA writable_schema = ON"); // so that a column can be given NULL
        raw->query("UPDATE sqlite_master SET sql = replace(sql, 'NOT NULL', '') WHERE type = "
                   "'table'");
        for (const SqlRow& table : raw->query("SELECT name FROM sqlite_master WHERE type = "
                                              "'table'")) {
            for (const SqlRow& column :
                 raw->query("SELECT name FROM pragma_table_info(?)", table)) {
                columns.emplace_back(table[0], column[0]);
            }
        }
    } // closed: the file alone is the database, to be copied
    std::vector<std::string> values = {"NULL",        "'x'",
                                       "X'35'",       "-1",
                                       "0",           "16",
                                       "99",          "100000",
                                       "2.5",         "1e400",
                                       "'\x1b'",      "'2026-13-45 99:99:99'",
                                       "99999999999", "9223372036854775807"};
    std::mt19937 random(20260208);
    for (int i = 0; i < 3; ++i) {
        values.push_back(std::to_string(std::uniform_int_distribution<int>(-9999, 99999)(random)));
    }
    for (const auto& [table, column] : columns) {
        for (const std::string& value : values) {
            for (const char* leftover : {"-wal", "-shm"}) {
                std::filesystem::remove(damaged + leftover);
            }
            std::filesystem::copy_file(pristine, damaged,
                                       std::filesystem::copy_options::overwrite_existing);
            std::string what = table + "." + column + " = " + value;
            try {
                auto copy = ConnectSqlite(damaged, HistoryAccess::ReadWrite);
                copy->query("PRAGMA foreign_keys = OFF");
                copy->query("UPDATE OR IGNORE " + table + " SET " + column + " = " + value);
            } catch (const SqlError&) {
                continue; // a key that cannot hold the value
            }
            try {
                readEverything(damaged, what);
            } catch (const std::exception& e) {
                ADD_FAILURE() << what << " threw " << e.what();
            }
        }
    }
    EXPECT_EQ(columns.size(), 28u);
}

} // namespace
} // namespace vestra::history
