#include "history/ContentKeyMigration.h"

#include "files/TempFolder.h"
#include "history/BackendModules.h"
#include "history/HistoryData.h"
#include "history/HistorySchema.h"
#include "history/HistoryStore.h"

#include <gtest/gtest.h>

namespace vestra::history {
namespace {

// version2.sqlite was written by the release before the key became SHA-256: the first data set
// annotated, the second in ﾟF, the third a full memory.
TEST(ContentKeyMigrationTest, TheReleasedVersion2DatabaseLosesNothingAndKnowsItsDataSets) {
    testing::TempFolder folder{"vestra-rekey"};
    std::string path = folder.file("history.sqlite");
    testing::WriteBytes(path, testing::ReadBytes(VESTRA_HISTORY_FIXTURES "/version2.sqlite"));
    auto store = OpenHistoryStore(SqliteFile{path}, HistoryAccess::ReadWrite);
    ASSERT_TRUE(store) << store.error().text;
    DataSet annotated = testing::RoundDataSet(1);
    annotated.subject = "再点検";
    annotated.group(2).remarks[1] = "要補修";
    const std::pair<DataSet, TemperatureUnit> stored[] = {
        {annotated, TemperatureUnit::Celsius},
        {testing::RoundDataSet(2), TemperatureUnit::Fahrenheit},
        {testing::FullRound(3), TemperatureUnit::Celsius}};
    for (const auto& [data, unit] : stored) {
        auto outcome = (*store)->add(data, unit, "");
        ASSERT_TRUE(outcome) << outcome.error().text;
        EXPECT_EQ(*outcome, AddOutcome::Unchanged) << data.deviceLabel;
    }
    auto raw = ConnectSqlite(path, HistoryAccess::ReadOnly);
    EXPECT_EQ(SchemaVersionOf(*raw), 3);
    EXPECT_EQ(raw->query("SELECT count(*) FROM reading").at(0).at(0), "158");
    EXPECT_EQ(raw->query("SELECT source_file FROM data_set WHERE label = 'PLANT1'"),
              (std::vector<SqlRow>{{"/plant/jan.qmc"}}));
}

} // namespace
} // namespace vestra::history
