#include "data/DataViews.h"

#include "data/TableLayout.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

// Group 2 holds readings on, above and below both limits; group 5 holds one reading; the
// other groups are empty.
DataStore knownStore() {
    DataStore store;
    DataSet& in = store.importBuffer;
    in.deviceLabel = "LINE-A";
    in.importedAt = {2008, 3, 1, 9, 5, 7};
    in.totalCount = 6;
    for (int g = 1; g <= kGroupCount; ++g) {
        in.group(g).tag = "TAG" + std::to_string(g);
        in.group(g).emissivity = 0.95f;
        in.group(g).alarmHigh = 30.0f;
        in.group(g).alarmLow = 10.0f;
    }
    GroupSetting& two = in.group(2);
    two.recordValues = {30.0f, 30.1f, 10.0f, 9.9f, 23.0f};
    for (int k = 0; k < 5; ++k) {
        two.recordTimes.push_back({2008, 2, 28, 14, 10 + k, 59});
    }
    two.recordCount = 5;
    GroupSetting& five = in.group(5);
    five.recordValues = {23.0f};
    five.recordTimes = {{2000, 12, 31, 15, 0, 0}};
    five.recordCount = 1;
    store.hasData = true;
    store.commitImport(true);
    return store;
}

TEST(SummaryView, StartUpShowsPlaceholdersAndNoStatus) {
    DataSet empty;
    empty.importedAt = {2024, 1, 2, 3, 4, 5};
    SummaryView view = ShowSummary(empty, false, TemperatureUnit::Celsius);
    EXPECT_EQ(view.subject, "件名なし");
    EXPECT_EQ(view.deviceLabel, "なし");
    EXPECT_EQ(view.importedAt, "2024/01/02 03:04:05");
    EXPECT_FALSE(view.editable);
    EXPECT_EQ(view.memoryStatus, "");
    ASSERT_EQ(view.table.rowCount(), 16);
    ASSERT_EQ(view.table.columnCount(), 7);
    for (int r = 1; r <= 15; ++r) {
        EXPECT_EQ(view.table.cell(r, 0).text, std::to_string(r));
        EXPECT_EQ(view.table.cell(r, 1).text, "なし");
        EXPECT_EQ(view.table.cell(r, 2).text, "0");
        for (int c = 3; c <= 6; ++c) {
            EXPECT_EQ(view.table.cell(r, c).text, "") << r << "," << c;
        }
    }
}

TEST(SummaryView, RowsShowFirstLastMaximumAndMinimum) {
    DataStore store = knownStore();
    store.currentData.subject = "月例点検";
    SummaryView view = ShowSummary(store.currentData, true, TemperatureUnit::Celsius);
    EXPECT_EQ(view.subject, "月例点検");
    EXPECT_EQ(view.deviceLabel, "LINE-A");
    EXPECT_EQ(view.importedAt, "2008/03/01 09:05:07");
    EXPECT_TRUE(view.editable);
    EXPECT_EQ(view.memoryStatus, "本体から取り込まれたﾃﾞｰﾀは、全部で 6件です。");
    const TableView& t = view.table;
    EXPECT_EQ(t.cell(2, 1).text, "TAG2");
    EXPECT_EQ(t.cell(2, 2).text, "5");
    EXPECT_EQ(t.cell(2, 3).text, "2008/02/28 14:10");
    EXPECT_EQ(t.cell(2, 4).text, "2008/02/28 14:14");
    EXPECT_EQ(t.cell(2, 5).text, "30.1");
    EXPECT_EQ(t.cell(2, 6).text, "9.9");
    // One reading: the same time first and last, the same value as maximum and minimum.
    EXPECT_EQ(t.cell(5, 3).text, t.cell(5, 4).text);
    EXPECT_EQ(t.cell(5, 5).text, "23.0");
    EXPECT_EQ(t.cell(5, 6).text, "23.0");
    EXPECT_EQ(t.cell(3, 1).text, "TAG3");
    EXPECT_EQ(t.cell(3, 2).text, "0");
    EXPECT_EQ(t.cell(3, 3).text, "");
}

TEST(SummaryView, ImportWithoutReadingsSaysTheThermometerHoldsNone) {
    DataStore store;
    store.hasData = true;
    store.commitImport(true);
    EXPECT_EQ(ShowSummary(store.currentData, true, TemperatureUnit::Celsius).memoryStatus,
              "本体に収録されているﾃﾞｰﾀはありません。");
}

TEST(GroupView, AlarmMarksOnlyStrictlyBeyondTheLimits) {
    const TableView t =
        ShowGroup(knownStore().currentData, true, 2, TemperatureUnit::Celsius).table;
    const char* marks[] = {"", "  high", "", "  low", ""};
    const CellColour colours[] = {CellColour::Normal, CellColour::AlarmHigh, CellColour::Normal,
                                  CellColour::AlarmLow, CellColour::Normal};
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(t.cell(k, 3).text, marks[k - 1]) << k;
        EXPECT_EQ(t.cell(k, 3).colour, colours[k - 1]) << k;
    }
}

TEST(GroupView, EmptyGroupShowsPlaceholdersAndIsNotEditable) {
    DataStore store = knownStore();
    GroupView withData = ShowGroup(store.currentData, true, 3, TemperatureUnit::Celsius);
    EXPECT_EQ(withData.tag, "TAG3");
    EXPECT_EQ(withData.alarmHigh, " 30.0ﾟC");
    EXPECT_EQ(withData.count, "  0");
    EXPECT_EQ(withData.maximum, " --.-ﾟC");
    EXPECT_EQ(withData.average, " --.-ﾟC");
    EXPECT_EQ(withData.target, "対象物なし");
    EXPECT_EQ(withData.measurer, "測定者なし");
    EXPECT_FALSE(withData.editable);
    EXPECT_EQ(withData.memoryStatus, "ﾃﾞｰﾀはありません。");

    GroupView noData = ShowGroup(DataSet{}, false, 15, TemperatureUnit::Fahrenheit);
    EXPECT_EQ(noData.caption, "グループ１５");
    EXPECT_EQ(noData.tag, "なし");
    EXPECT_EQ(noData.emissivity, "-.-- ");
    EXPECT_EQ(noData.alarmHigh, " --.-ﾟF");
    EXPECT_EQ(noData.alarmLow, " --.-ﾟF");
}

TEST(GroupView, MoreThanFifteenReadingsGrowTheTableAndScroll) {
    DataStore store;
    GroupSetting& g = store.importBuffer.group(1);
    for (int k = 0; k < 20; ++k) {
        g.recordValues.push_back(20.0f + static_cast<float>(k));
        g.recordTimes.push_back({2008, 1, 1, 0, k, 0});
    }
    g.recordCount = 20;
    store.commitImport(true);
    GroupView view = ShowGroup(store.currentData, true, 1, TemperatureUnit::Celsius);
    EXPECT_EQ(view.table.rowCount(), 21);
    EXPECT_TRUE(view.table.verticalScrollBar);
    EXPECT_EQ(view.table.cell(20, 0).text, "20");
    EXPECT_EQ(view.table.cell(20, 2).text, "39.0");
}

TEST(TableLayout, HeadingsCarryTheUnitAndTheirBlanks) {
    TableView summary = EmptySummaryTable(TemperatureUnit::Fahrenheit);
    EXPECT_EQ(summary.cell(0, 0).text, "ｸﾞﾙｰﾌﾟ");
    EXPECT_EQ(summary.cell(0, 1).text, "  タグ");
    EXPECT_EQ(summary.cell(0, 3).text, "  収録開始日時");
    EXPECT_EQ(summary.cell(0, 5).text, "最大値(ﾟF)");
    EXPECT_EQ(summary.cell(0, 6).text, "最小値(ﾟF)");
    TableView detail = EmptyDetailTable(TemperatureUnit::Fahrenheit);
    EXPECT_EQ(detail.cell(0, 2).text, "データ(ﾟF)");
    EXPECT_EQ(detail.cell(0, 3).text, "　警報");
    EXPECT_EQ(detail.cell(0, 4).text, "    備  考");
}

TEST(TableLayout, BothTablesAre7700TwipsWideAndPixelsFollowTheDpi) {
    EXPECT_EQ(TableWidthTwips(kSummaryColumnTwips.data(), kSummaryColumnTwips.size()), 7700);
    EXPECT_EQ(TableWidthTwips(kDetailColumnTwips.data(), kDetailColumnTwips.size()), 7700);
    EXPECT_EQ(TwipsToPixels(675, 96), 45);
    EXPECT_EQ(TwipsToPixels(3525, 96), 235);
    EXPECT_EQ(TwipsToPixels(675, 192), 90);
}

TEST(GroupNames, HalfWidthInTheTreeFullWidthInTheCaption) {
    EXPECT_EQ(GroupNodeText(1), "ｸﾞﾙｰﾌﾟ1");
    EXPECT_EQ(GroupNodeText(15), "ｸﾞﾙｰﾌﾟ15");
    EXPECT_EQ(GroupCaption(10), "グループ１０");
}

} // namespace
} // namespace vestra
