#include "history/HistoryStore.h"

#include "base/TemperatureUnit.h"
#include "history/ContentKeyMigration.h"
#include "history/HistoryData.h"
#include "history/HistorySchema.h"
#include "history/PostgresConnection.h"
#include "history/TestDatabase.h"

#include <gtest/gtest.h>

namespace vestra::history {
namespace {

using testing::Backend;
using testing::RoundDataSet;

class HistoryStoreTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        if (GetParam() == Backend::Postgresql && !testing::TestServer()) {
            GTEST_SKIP() << testing::kNoServer;
        }
        database_.emplace(GetParam());
        ASSERT_NO_FATAL_FAILURE(reopen());
    }

    void reopen() {
        auto opened = testing::OpenTestStore(database_->location());
        ASSERT_TRUE(opened) << opened.error().text;
        store_ = std::move(*opened);
    }

    AddOutcome add(const DataSet& data, const std::string& source = "round.qmc",
                   TemperatureUnit unit = TemperatureUnit::Celsius) {
        auto outcome = store_->add(data, unit, source);
        EXPECT_TRUE(outcome) << outcome.error().text;
        return outcome.value_or(AddOutcome{});
    }

    std::vector<HistoryReading> readings(HistoryKey key, const std::string& name,
                                         TemperatureUnit unit = TemperatureUnit::Celsius) {
        auto found = store_->readings({key, name, unit});
        EXPECT_TRUE(found) << found.error().text;
        return found.value_or(std::vector<HistoryReading>());
    }

    std::vector<TagSummary> tags() {
        auto found = store_->tags();
        EXPECT_TRUE(found) << found.error().text;
        return found.value_or(std::vector<TagSummary>());
    }

    std::optional<testing::TestDatabase> database_;
    std::unique_ptr<HistoryStore> store_;
};

TEST_P(HistoryStoreTest, TheSameDataSetIsStoredOnce) {
    EXPECT_EQ(add(RoundDataSet(1)), AddOutcome::New);
    EXPECT_EQ(add(RoundDataSet(1)), AddOutcome::Unchanged);
    EXPECT_EQ(add(RoundDataSet(2)), AddOutcome::New);
    EXPECT_EQ(readings(HistoryKey::Tag, "TAG2").size(), 6u);
}

TEST_P(HistoryStoreTest, AnAnnotatedCopyUpdatesTheAnnotationsOnly) {
    add(RoundDataSet(1), "first.qmc");
    DataSet annotated = RoundDataSet(1);
    annotated.subject = "再点検";
    annotated.group(2).measurer = "鈴木";
    annotated.group(2).remarks[1] = "要補修";
    EXPECT_EQ(add(annotated, "second.qmc"), AddOutcome::Updated);
    auto found = readings(HistoryKey::Tag, "TAG2");
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[1].remark, "要補修");
    EXPECT_EQ(found[1].measurer, "鈴木");
    EXPECT_EQ(found[1].subject, "再点検");
    EXPECT_EQ(found[1].sourceFile, "second.qmc");
    EXPECT_EQ(found[0].remark, "北面");
}

TEST_P(HistoryStoreTest, ReadingsOfATagComeOldestFirstWithTheirSource) {
    add(RoundDataSet(5), "may.qmc");
    add(RoundDataSet(2), "feb.qmc");
    auto found = readings(HistoryKey::Tag, "TAG2");
    ASSERT_EQ(found.size(), 6u);
    DataSet feb = RoundDataSet(2);
    EXPECT_EQ(found[0].sourceFile, "feb.qmc");
    EXPECT_EQ(found[0].takenAt, feb.group(2).recordTimes[0]);
    EXPECT_EQ(found[0].value, feb.group(2).recordValues[0]);
    EXPECT_EQ(found[0].clock, feb.importedAt);
    EXPECT_EQ(found[0].label, feb.deviceLabel);
    EXPECT_EQ(found[0].group, 2);
    EXPECT_EQ(found[0].number, 1);
    EXPECT_EQ(found[0].alarmHigh, feb.group(2).alarmHigh);
    EXPECT_EQ(found[0].alarmLow, feb.group(2).alarmLow);
    EXPECT_EQ(found[3].sourceFile, "may.qmc");
}

// The overview's query: per tag, object and unit, the readings of its newest groups only.
TEST_P(HistoryStoreTest, TheNewestGroupsOfEachLineComeOldestFirst) {
    for (int round : {1, 3, 2}) {
        add(RoundDataSet(round), "r" + std::to_string(round) + ".qmc");
    }
    auto found = store_->newestReadings(2);
    ASSERT_TRUE(found) << found.error().text;
    std::vector<float> wall;
    int duct = 0;
    for (const HistoryReading& r : *found) {
        if (r.tag == "TAG2") {
            wall.push_back(r.value);
        }
        duct += r.object == "ﾀﾞｸﾄ" ? 1 : 0;
    }
    EXPECT_EQ(wall, (std::vector<float>{252, 312, 42, 253, 313, 43}));
    EXPECT_EQ(duct, 2);
}

TEST_P(HistoryStoreTest, EachReadingKeepsItsAlarmMark) {
    add(RoundDataSet(0));
    auto found = readings(HistoryKey::Tag, "TAG2");
    ASSERT_EQ(found.size(), 3u);
    for (std::size_t k = 0; k < found.size(); ++k) {
        GroupSetting wall = RoundDataSet(0).group(2);
        EXPECT_EQ(found[k].alarm, AlarmMarkOf(wall.recordValues[k], wall)) << k;
    }
    EXPECT_NE(found[1].alarm, found[2].alarm);
}

TEST_P(HistoryStoreTest, ReadingsOfAnObjectAcrossTags) {
    DataSet renamed = RoundDataSet(3);
    renamed.group(2).tag = "WALL2";
    add(RoundDataSet(1));
    add(renamed);
    auto found = readings(HistoryKey::Object, "2号炉 炉壁");
    ASSERT_EQ(found.size(), 6u);
    EXPECT_EQ(found[0].tag, "TAG2");
    EXPECT_EQ(found[5].tag, "WALL2");
}

TEST_P(HistoryStoreTest, UnitsAreNeverMixed) {
    add(RoundDataSet(1), "c.qmc", TemperatureUnit::Celsius);
    add(RoundDataSet(1), "f.qmf", TemperatureUnit::Fahrenheit);
    auto celsius = readings(HistoryKey::Tag, "TAG2", TemperatureUnit::Celsius);
    auto fahrenheit = readings(HistoryKey::Tag, "TAG2", TemperatureUnit::Fahrenheit);
    ASSERT_EQ(celsius.size(), 3u);
    ASSERT_EQ(fahrenheit.size(), 3u);
    EXPECT_EQ(celsius[0].sourceFile, "c.qmc");
    EXPECT_EQ(fahrenheit[0].sourceFile, "f.qmf");
}

TEST_P(HistoryStoreTest, TagsSumTheirReadingsAndSpanTheirTimes) {
    add(RoundDataSet(3));
    add(RoundDataSet(1));
    auto found = tags();
    ASSERT_EQ(found.size(), 2u); // groups without readings are not listed
    EXPECT_EQ(found[0].tag, "T5");
    EXPECT_EQ(found[0].readings, 2);
    EXPECT_EQ(found[1].tag, "TAG2");
    EXPECT_EQ(found[1].object, "2号炉 炉壁");
    EXPECT_EQ(found[1].unit, TemperatureUnit::Celsius);
    EXPECT_EQ(found[1].readings, 6);
    EXPECT_EQ(found[1].first, RoundDataSet(1).group(2).recordTimes[0]);
    EXPECT_EQ(found[1].last, RoundDataSet(3).group(2).recordTimes[2]);
}

TEST_P(HistoryStoreTest, ADatabaseOfANewerVersionIsRefusedAndKept) {
    add(RoundDataSet(1));
    store_.reset();
    {
        auto raw = testing::RawConnection(database_->location());
        raw->query("UPDATE history_schema SET version = ?", {std::to_string(kSchemaVersion + 1)});
    }
    auto refused = testing::OpenTestStore(database_->location());
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().text.find("newer"), std::string::npos) << refused.error().text;
    auto raw = testing::RawConnection(database_->location());
    EXPECT_EQ(SchemaVersionOf(*raw), kSchemaVersion + 1);
    EXPECT_EQ(raw->query("SELECT count(*) FROM reading").at(0).at(0), "4");
}

TEST_P(HistoryStoreTest, AnOlderDatabaseIsMigrated) {
    add(RoundDataSet(1));
    store_.reset();
    {
        auto raw = testing::RawConnection(database_->location());
        raw->query("DROP INDEX group_setting_by_tag");
        raw->query("DROP INDEX group_setting_by_object");
        raw->query("UPDATE history_schema SET version = 1");
    }
    ASSERT_NO_FATAL_FAILURE(reopen());
    auto raw = testing::RawConnection(database_->location());
    EXPECT_EQ(SchemaVersionOf(*raw), kSchemaVersion);
    EXPECT_EQ(readings(HistoryKey::Tag, "TAG2").size(), 3u);
}

// A version-2 database keyed its data sets by FNV-1a, which a crafted data set can match: a row
// stored with the old key of a data set to come hid that data set. Version 3 recomputes each key
// from the rows.
TEST_P(HistoryStoreTest, AVersion2DatabaseIsRekeyedAndACraftedOldKeyHidesNothing) {
    add(RoundDataSet(1));
    add(RoundDataSet(2));
    store_.reset();
    {
        auto raw = testing::RawConnection(database_->location());
        for (auto [label, round] : {std::pair{"PLANT1", 1}, {"PLANT2", 4}}) {
            raw->query("UPDATE data_set SET content_hash = ? WHERE label = ?",
                       {Version2ContentHash(RoundDataSet(round), TemperatureUnit::Celsius), label});
        }
        raw->query("UPDATE history_schema SET version = 2");
    }
    ASSERT_NO_FATAL_FAILURE(reopen());
    EXPECT_EQ(SchemaVersionOf(*testing::RawConnection(database_->location())), kSchemaVersion);
    EXPECT_EQ(add(RoundDataSet(1)), AddOutcome::Unchanged);
    EXPECT_EQ(add(RoundDataSet(4)), AddOutcome::New);
}

TEST_P(HistoryStoreTest, AFailedAddLeavesNothingOfItsDataSet) {
    add(RoundDataSet(1));
    testing::RefuseValue(database_->location(), 999.0f);
    DataSet bad = RoundDataSet(2);
    bad.group(2).recordValues[2] = 999.0f;
    auto failed = store_->add(bad, TemperatureUnit::Celsius, "bad.qmc");
    ASSERT_FALSE(failed);
    EXPECT_NE(failed.error().text.find("refused"), std::string::npos) << failed.error().text;
    auto raw = testing::RawConnection(database_->location());
    EXPECT_EQ(raw->query("SELECT count(*) FROM data_set").at(0).at(0), "1");
    EXPECT_EQ(raw->query("SELECT count(*) FROM group_setting").at(0).at(0), "15");
    EXPECT_EQ(raw->query("SELECT count(*) FROM reading").at(0).at(0), "4");
    EXPECT_EQ(add(RoundDataSet(3)), AddOutcome::New); // the store goes on working
}

TEST_P(HistoryStoreTest, TheSourceFileFollowsTheNewestCopyThatHasOne) {
    add(RoundDataSet(1), "");
    EXPECT_EQ(add(RoundDataSet(1), "/plant/saved.qmc"), AddOutcome::Unchanged);
    EXPECT_EQ(add(RoundDataSet(1), ""), AddOutcome::Unchanged);
    EXPECT_EQ(readings(HistoryKey::Tag, "TAG2").at(0).sourceFile, "/plant/saved.qmc");
}

TEST_P(HistoryStoreTest, DataSetsComeNewestFirstAndReadBackWithTheirStatistics) {
    add(RoundDataSet(1), "jan.qmc");
    add(RoundDataSet(3), "mar.qmc");
    auto page = store_->dataSets(0, 1);
    ASSERT_TRUE(page) << page.error().text;
    const std::vector<DataSetSummary>& list = page->list;
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(page->total, 2);
    EXPECT_EQ(list[0].sourceFile, "mar.qmc");
    EXPECT_EQ(list[0].readings, 4);
    EXPECT_EQ(readings(HistoryKey::Tag, "TAG2").back().dataSet, list[0].id);
    auto stored = store_->dataSet(list[0].id);
    ASSERT_TRUE(stored) << stored.error().text;
    ASSERT_TRUE(*stored);
    const GroupSetting& wall = (*stored)->data.group(2);
    EXPECT_EQ(wall.target, "2号炉 炉壁");
    EXPECT_EQ(wall.recordCount, 3);
    EXPECT_EQ(wall.maxIndex, 2);
    EXPECT_EQ(wall.minIndex, 3);
    EXPECT_EQ(wall.remarks[2], "南面");
    auto none = store_->dataSet(list[0].id + 100);
    ASSERT_TRUE(none) << none.error().text;
    EXPECT_FALSE(*none);
}

// A table another session holds (LOCK TABLE, a transaction left open) keeps a writer waiting
// only so long: the server's session gives the wait up with its reason.
TEST(PostgresSessionTest, AWaitForALockedTableIsGivenUp) {
    if (!testing::TestServer()) {
        GTEST_SKIP() << testing::kNoServer;
    }
    auto session =
        ConnectPostgres({*testing::TestServer() + "/postgres"}, HistoryAccess::ReadWrite);
    EXPECT_EQ(session->query("SHOW lock_timeout").at(0).at(0), std::to_string(kLockSeconds) + "s");
}

INSTANTIATE_TEST_SUITE_P(Backends, HistoryStoreTest,
                         ::testing::Values(Backend::Sqlite, Backend::Postgresql),
                         testing::BackendName);

} // namespace
} // namespace vestra::history
