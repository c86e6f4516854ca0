#include "data/DataSet.h"

#include "data/GroupStatistics.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vestra {
namespace {

void fillGroup(GroupSetting& g, const std::vector<float>& values) {
    g.recordCount = static_cast<std::int16_t>(values.size());
    g.recordValues = values;
    g.recordTimes.assign(values.size(), DateTime{2008, 3, 1, 9, 0, 0});
    g.remarks.assign(values.size(), "remark");
}

TEST(Statistics, FirstOccurrenceWinsTies) {
    auto s = ComputeStatistics({20.0f, 25.0f, 25.0f, 18.0f, 18.0f});
    EXPECT_EQ(s.maxIndex, 2);
    EXPECT_EQ(s.minIndex, 4);
    auto equal = ComputeStatistics({7.0f, 7.0f, 7.0f});
    EXPECT_EQ(equal.maxIndex, 1);
    EXPECT_EQ(equal.minIndex, 1);
    // A new maximum is not also tested as a minimum, and the other way round.
    auto falling = ComputeStatistics({5.0f, 4.0f, 3.0f});
    EXPECT_EQ(falling.maxIndex, 1);
    EXPECT_EQ(falling.minIndex, 3);
}

TEST(Statistics, AverageAddsPointSixBeforeTheFloor) {
    EXPECT_FLOAT_EQ(ComputeStatistics({22.5f}).average, 22.5f);
    // 22.34375 * 10 + 0.6 = 224.0375: 22.4 where rounding half up would give 22.3.
    EXPECT_FLOAT_EQ(ComputeStatistics({22.0f, 22.6875f}).average, 22.4f);
    // -52.5 + 0.6 = -51.9, floor -52.
    EXPECT_FLOAT_EQ(ComputeStatistics({-5.0f, -5.5f}).average, -5.2f);
    EXPECT_FLOAT_EQ(ComputeStatistics({22.33f}).average, 22.3f);
    EXPECT_FLOAT_EQ(ComputeStatistics({22.34f}).average, 22.4f);
    EXPECT_EQ(ComputeStatistics({}).average, 0.0f);
}

TEST(Statistics, SumRunsInSinglePrecision) {
    // 2^24 + 1 is lost in a float sum: (16777216 + 1 + 1) / 3 in floats is 16777216 / 3.
    std::vector<float> values = {16777216.0f, 1.0f, 1.0f};
    float sum = 16777216.0f;
    sum += 1.0f;
    sum += 1.0f;
    double expected = std::floor(sum / 3.0 * 10.0 + 0.6) / 10.0;
    EXPECT_FLOAT_EQ(ComputeStatistics(values).average, static_cast<float>(expected));
    EXPECT_NE(ComputeStatistics(values).average,
              static_cast<float>(std::floor(16777218.0 / 3.0 * 10.0 + 0.6) / 10.0));
}

TEST(DataStore, FreshCommitDropsAnnotationsAndComputesStatistics) {
    DataStore store;
    store.currentData.subject = "old";
    store.currentData.group(1).target = "old target";
    fillGroup(store.currentData.group(5), {1.0f, 2.0f});
    store.importBuffer.subject = "ignored";
    store.importBuffer.deviceLabel = "LBL";
    store.importBuffer.totalCount = 5;
    store.importBuffer.importedAt = {2008, 3, 1, 9, 5, 7};
    store.importBuffer.group(1).target = "T";
    store.importBuffer.group(1).tag = "TAG1";
    store.importBuffer.group(1).emissivity = 0.95f;
    fillGroup(store.importBuffer.group(1), {20.0f, 25.0f, 25.0f, 18.0f, 18.0f});
    store.importBuffer.group(1).remarks.clear();

    store.commitImport(true);

    const DataSet& cur = store.currentData;
    EXPECT_EQ(cur.subject, "");
    EXPECT_EQ(cur.deviceLabel, "LBL");
    EXPECT_EQ(cur.totalCount, 5);
    EXPECT_EQ(cur.importedAt, (DateTime{2008, 3, 1, 9, 5, 7}));
    const GroupSetting& g1 = cur.group(1);
    EXPECT_EQ(g1.target, "");
    EXPECT_EQ(g1.tag, "TAG1");
    EXPECT_FLOAT_EQ(g1.emissivity, 0.95f);
    EXPECT_EQ(g1.recordCount, 5);
    EXPECT_EQ(g1.remarks, std::vector<std::string>(5));
    EXPECT_EQ(g1.maxIndex, 2);
    EXPECT_EQ(g1.minIndex, 4);
    EXPECT_FLOAT_EQ(g1.average, 21.2f);
    const GroupSetting& g5 = cur.group(5);
    EXPECT_EQ(g5.recordCount, 0);
    EXPECT_TRUE(g5.recordValues.empty());
    EXPECT_EQ(g5.maxIndex, 0);
    EXPECT_EQ(g5.minIndex, 0);
    EXPECT_EQ(g5.average, 0.0f);
}

TEST(DataStore, CommitFromAFileKeepsAnnotations) {
    DataStore store;
    store.importBuffer.subject = "件名";
    store.importBuffer.group(3).target = "炉";
    store.importBuffer.group(3).measurer = "山田";
    fillGroup(store.importBuffer.group(3), {1.5f});
    store.commitImport(false);
    const GroupSetting& g = store.currentData.group(3);
    EXPECT_EQ(store.currentData.subject, "件名");
    EXPECT_EQ(g.target, "炉");
    EXPECT_EQ(g.measurer, "山田");
    EXPECT_EQ(g.remarks, std::vector<std::string>{"remark"});
    EXPECT_EQ(g.maxIndex, 1);
    EXPECT_EQ(g.minIndex, 1);
    EXPECT_FLOAT_EQ(g.average, 1.5f);
    auto r = RecordAt(g, 1);
    EXPECT_EQ(r.no, 1);
    EXPECT_EQ(r.remark, "remark");
}

TEST(DataStore, ACountBeyondTheSequencesIsCutToThem) {
    DataStore store;
    fillGroup(store.importBuffer.group(2), {1.0f, 2.0f});
    store.importBuffer.group(2).recordCount = 9;
    store.importBuffer.group(4).recordCount = -3;
    store.commitImport(false);
    EXPECT_EQ(store.currentData.group(2).recordCount, 2);
    EXPECT_EQ(store.currentData.group(4).recordCount, 0);
}

TEST(DataStore, ClearingReadingsKeepsHeadersAndStatistics) {
    DataStore store;
    fillGroup(store.importBuffer.group(1), {1.0f, 3.0f});
    store.commitImport(false);
    store.clearCurrentReadings();
    store.clearImportReadings();
    const GroupSetting& g = store.currentData.group(1);
    EXPECT_TRUE(g.recordValues.empty());
    EXPECT_TRUE(g.recordTimes.empty());
    EXPECT_TRUE(g.remarks.empty());
    EXPECT_EQ(g.recordCount, 2);
    EXPECT_EQ(g.maxIndex, 2);
    EXPECT_TRUE(store.importBuffer.group(1).recordValues.empty());
}

TEST(AlarmMarks, OnlyBeyondTheLimits) {
    GroupSetting g;
    g.alarmHigh = 100;
    g.alarmLow = 10;
    EXPECT_EQ(AlarmMarkOf(100.1f, g), AlarmMark::High);
    EXPECT_EQ(AlarmMarkOf(100.0f, g), AlarmMark::None);
    EXPECT_EQ(AlarmMarkOf(10.0f, g), AlarmMark::None);
    EXPECT_EQ(AlarmMarkOf(9.9f, g), AlarmMark::Low);
}

// The CSV writes the bare word; the reports keep their columns with a four-character field.
TEST(AlarmMarks, OneTextPaddedToTheColumn) {
    struct Case {
        AlarmMark mark;
        std::size_t width;
        std::string text;
    };
    for (const Case& c : {Case{AlarmMark::High, 0, "high"}, Case{AlarmMark::Low, 0, "low"},
                          Case{AlarmMark::None, 0, ""}, Case{AlarmMark::High, 4, "high"},
                          Case{AlarmMark::Low, 4, "low "}, Case{AlarmMark::None, 4, "    "}}) {
        EXPECT_EQ(AlarmMarkText(c.mark, c.width), c.text) << c.text;
    }
}

} // namespace
} // namespace vestra
