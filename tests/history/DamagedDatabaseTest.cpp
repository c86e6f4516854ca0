#include "files/TempFolder.h"
#include "history/HistoryCsv.h"
#include "history/HistoryData.h"
#include "history/HistoryStore.h"
#include "history/HistoryTrend.h"
#include "history/SqliteConnection.h"
#include "shell/Common.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>

namespace vestra::history {
namespace {

constexpr std::string_view kDamaged = "履歴データベースが壊れています: ";

// Values of every kind a column may be given by another hand: NULL, text, blobs, numbers far
// out of range, negative, not finite; then random integers and random bytes.
std::vector<std::string> damagedValues(std::mt19937& random) {
    std::vector<std::string> values = {
        "NULL",
        "'x'",
        "''",
        "X'00ff'",
        "-1",
        "0",
        "16",
        "99",
        "151",
        "100000",
        "99999999999",
        "-99999999999",
        "2.5",
        "1e400",
        "-1e400",
        "'NaN'",
        "'2026-13-45 99:99:99'",
        "'high'",
        "'\x1b[2J'",
        "9223372036854775807",
        "'9223372036854775808'",
    };
    std::uniform_int_distribution<long long> number(-1'000'000, 1'000'000);
    std::uniform_int_distribution<int> byte(1, 255);
    for (int i = 0; i < 2; ++i) {
        values.push_back(std::to_string(number(random)));
        std::string text = "X'";
        for (int k = 0; k < 6; ++k) {
            text += "0123456789abcdef"[byte(random) % 16];
            text += "0123456789abcdef"[byte(random) % 16];
        }
        values.push_back(text + "'");
    }
    return values;
}

// What a reading path returned: working, or the damaged database named; nothing else. A
// version beyond this program's is a newer program's database, refused as such.
void expectWorksOrDamaged(bool worked, const std::string& reason, const std::string& what) {
    bool newer = reason.find("newer than this program's") != std::string::npos;
    EXPECT_TRUE(worked || reason.starts_with(kDamaged) || newer) << what << ": " << reason;
}

class DamagedDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string reason;
        auto store = OpenHistoryStore(SqliteFile{pristine_}, HistoryAccess::ReadWrite, reason);
        ASSERT_NE(store, nullptr) << reason;
        AddOutcome outcome{};
        ASSERT_TRUE(store->add(testing::RoundDataSet(1), kUnitCelsius, "a", outcome, reason));
        ASSERT_TRUE(store->add(testing::RoundDataSet(2), kUnitFahrenheit, "b", outcome, reason));
        store.reset();
        // Without NOT NULL, so that a column can be given NULL as a damaged file may hold it.
        SqliteConnection raw(pristine_, HistoryAccess::ReadWrite);
        raw.query("PRAGMA writable_schema = ON");
        raw.query("UPDATE sqlite_master SET sql = replace(sql, 'NOT NULL', '') WHERE type = "
                  "'table'");
    }

    // Every table and its columns.
    std::vector<std::pair<std::string, std::string>> columns() {
        SqliteConnection raw(pristine_, HistoryAccess::ReadWrite);
        std::vector<std::pair<std::string, std::string>> found;
        for (const SqlRow& table :
             raw.query("SELECT name FROM sqlite_master WHERE type = 'table'")) {
            for (const SqlRow& column : raw.query("SELECT name FROM pragma_table_info(?)", table)) {
                found.emplace_back(table[0], column[0]);
            }
        }
        return found;
    }

    // A copy of the database with one value put into every row of one column; false when the
    // database itself refuses the value there (a key's type).
    bool damage(const std::string& table, const std::string& column, const std::string& value) {
        std::filesystem::copy_file(pristine_, damaged_,
                                   std::filesystem::copy_options::overwrite_existing);
        SqliteConnection raw(damaged_, HistoryAccess::ReadWrite);
        raw.query("PRAGMA foreign_keys = OFF");
        try {
            raw.query("UPDATE OR IGNORE " + table + " SET " + column + " = " + value);
        } catch (const SqlError&) {
            return false;
        }
        return true;
    }

    // Every way the program reads the history, and an add of a stored and of a new data set.
    void readEverything(const std::string& what) {
        std::string reason;
        auto reader = OpenHistoryStore(SqliteFile{damaged_}, HistoryAccess::ReadOnly, reason);
        expectWorksOrDamaged(reader != nullptr, reason, what + " open to read");
        if (reader) {
            std::vector<TagSummary> tags;
            expectWorksOrDamaged(reader->tags(tags, reason), reason, what + " tags");
            for (HistoryKey key : {HistoryKey::Tag, HistoryKey::Object}) {
                for (std::string name : {"TAG2", "T5", "2号炉 炉壁", "ﾀﾞｸﾄ"}) {
                    for (std::string_view unit : {kUnitCelsius, kUnitFahrenheit}) {
                        std::vector<HistoryReading> readings;
                        bool worked =
                            reader->readings({key, name, std::string(unit)}, readings, reason);
                        expectWorksOrDamaged(worked, reason, what + " readings of " + name);
                        HistoryCsvLines(readings, unit);
                        LayoutTrend(readings, 800, 400);
                    }
                }
            }
        }
        auto writer = OpenHistoryStore(SqliteFile{damaged_}, HistoryAccess::ReadWrite, reason);
        expectWorksOrDamaged(writer != nullptr, reason, what + " open to write");
        for (int round : {1, 3}) {
            AddOutcome outcome{};
            bool worked = writer && writer->add(testing::RoundDataSet(round), kUnitCelsius, "c",
                                                outcome, reason);
            EXPECT_TRUE(worked || !reason.empty()) << what;
        }
    }

    testing::TempFolder folder_{"vestra-damaged"};
    std::string pristine_ = folder_.file("pristine.sqlite");
    std::string damaged_ = folder_.file("damaged.sqlite");
};

// Any value in any column: every read path works or reports the damaged database; none throws
// anything else or aborts.
TEST_F(DamagedDatabaseTest, EveryReadPathSurvivesAnyValueInAnyColumn) {
    std::mt19937 random(20260208);
    auto all = columns();
    ASSERT_EQ(all.size(), 28u);
    for (const auto& [table, column] : all) {
        for (const std::string& value : damagedValues(random)) {
            if (!damage(table, column, value)) {
                continue;
            }
            std::string what = table + "." + column + " = " + value;
            try {
                readEverything(what);
            } catch (const std::exception& e) {
                ADD_FAILURE() << what << " threw " << e.what();
            }
        }
    }
}

} // namespace
} // namespace vestra::history
