#include "web/Overview.h"

#include "history/HistoryData.h"
#include "history/TestDatabase.h"
#include "web/WebPages.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vestra::web {
namespace {

history::HistoryReading reading(long long dataSet, float value, AlarmMark alarm = AlarmMark::None) {
    history::HistoryReading r;
    r.dataSet = dataSet;
    r.value = value;
    r.alarm = alarm;
    return r;
}

OverviewRow row(const std::string& tag, std::vector<history::HistoryReading> readings) {
    return OverviewRowOf(
        {tag, "O", TemperatureUnit::Celsius, static_cast<long long>(readings.size()), {}, {}},
        readings);
}

TEST(Overview, TheRiseIsSinceThePreviousDataSetsLastReading) {
    EXPECT_EQ(row("A", {reading(1, 10), reading(2, 30), reading(2, 16)}).rise, 6.0f);
    EXPECT_EQ(row("A", {reading(1, 10), reading(1, 16)}).rise, std::nullopt);
    EXPECT_EQ(row("A", {reading(1, 10), reading(2, 16)}).trend, (std::vector<float>{10, 16}));
}

TEST(Overview, AlarmsAndRisesAboveTheThresholdComeFirst) {
    std::vector<OverviewRow> rows{
        row("A", {reading(1, 10), reading(2, 14)}),
        row("B", {reading(1, 10), reading(2, 16)}),
        row("C", {reading(1, 10)}),
        row("D", {reading(1, 10, AlarmMark::Low)}),
        row("E", {reading(1, 20), reading(2, 12)}),
    };
    const std::tuple<float, OverviewOrder, std::string, std::string> cases[] = {
        {5, OverviewOrder::Tag, "", "BDACE"},  {3, OverviewOrder::Tag, "", "ABDCE"},
        {5, OverviewOrder::Rise, "", "BDACE"}, {5, OverviewOrder::Value, "", "BDAEC"},
        {5, OverviewOrder::Tag, "E", "E"},     {100, OverviewOrder::Tag, "", "DABCE"},
    };
    for (const auto& [rise, order, text, expected] : cases) {
        std::vector<OverviewRow> ranked = rows;
        RankOverview(ranked, order, rise, text);
        std::string tags;
        for (const OverviewRow& r : ranked) {
            tags += r.summary.tag;
        }
        EXPECT_EQ(tags, expected) << rise << " " << OverviewOrderName(order);
    }
}

} // namespace
} // namespace vestra::web

namespace vestra::web {
namespace {

std::vector<std::string> objectsOf(const std::vector<OverviewRow>& rows) {
    std::vector<std::string> objects;
    for (const OverviewRow& row : rows) {
        objects.push_back(row.summary.object);
    }
    return objects;
}

// An added data set shows at once; an object renamed in place only once the lines are older
// than the cache keeps them.
TEST(OverviewCache, ReadsAgainWhenADataSetIsAddedOrTheLinesAreOld) {
    testing::TestDatabase database(testing::Backend::Sqlite);
    auto opened = testing::OpenTestStore(database.location());
    ASSERT_TRUE(opened) << opened.error().text;
    history::HistoryStore& store = **opened;
    auto add = [&](const DataSet& d) {
        auto outcome = store.add(d, TemperatureUnit::Celsius, "r.qmc");
        ASSERT_TRUE(outcome) << outcome.error().text;
    };
    for (auto [freshFor, renamedShows] : {std::pair{std::chrono::seconds(3600), false},
                                          std::pair{std::chrono::seconds(-1), true}}) {
        OverviewCache cache(freshFor);
        DataSet round = testing::RoundDataSet(1);
        add(round);
        std::vector<OverviewRow> rows;
        auto read = [&] {
            auto revision = store.revision();
            ASSERT_TRUE(revision) << revision.error().text;
            auto read = cache.rows(store, *revision);
            ASSERT_TRUE(read) << read.error().text;
            rows = std::move(*read);
        };
        read();
        round.group(5).target = "ﾀﾞｸﾄ " + std::to_string(freshFor.count());
        add(round); // the same readings: renamed in place, no data set added
        read();
        EXPECT_EQ(std::ranges::count(objectsOf(rows), round.group(5).target), renamedShows ? 1 : 0);
        add(testing::RoundDataSet(freshFor.count() > 0 ? 2 : 3));
        read();
        EXPECT_EQ(std::ranges::count(objectsOf(rows), round.group(5).target), 1);
    }
}

} // namespace
} // namespace vestra::web

namespace vestra::web {
namespace {

// The lines of a page and its links to the pages before and after.
TEST(OverviewPage, ShowsOnePageOfLinesWithLinksToTheOthers) {
    std::vector<OverviewRow> rows;
    for (const char* tag : {"PA", "PB", "PC", "PD", "PE"}) {
        rows.push_back(row(tag, {reading(1, 10)}));
    }
    const std::tuple<long long, std::string, bool, bool> cases[] = {
        {0, "PAPB", false, true},
        {2, "PCPD", true, true},
        {4, "PE", true, false},
        {9, "", true, false},
    };
    for (const auto& [offset, shown, before, after] : cases) {
        std::string page = OverviewPage("", rows, {OverviewOrder::Tag, 5, "", offset}, 2);
        std::string tags;
        for (const char* tag : {"PA", "PB", "PC", "PD", "PE"}) {
            if (page.find(std::string(">") + tag + "</a>") != std::string::npos) {
                tags += tag;
            }
        }
        EXPECT_EQ(tags, shown) << offset;
        EXPECT_EQ(page.find("前へ") != std::string::npos, before) << offset;
        EXPECT_EQ(page.find("次へ") != std::string::npos, after) << offset;
        EXPECT_NE(page.find("5 件"), std::string::npos) << offset;
    }
    std::string second = OverviewPage("/h", rows, {OverviewOrder::Rise, 2.5, "P&", 0}, 2);
    EXPECT_NE(second.find("href=\"/h/?sort=rise&amp;rise=2.5&amp;q=P%26&amp;offset=2\""),
              std::string::npos);
}

} // namespace
} // namespace vestra::web
