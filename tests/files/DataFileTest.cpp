#include "files/DataFile.h"

#include "HandBuiltFile.h"
#include "SampleData.h"
#include "TempFolder.h"
#include "base/TemperatureUnit.h"
#include "support/RecordingMessages.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace vestra {
namespace {

using testing::HandBuiltFile;
using testing::RecordingMessages;
using testing::TempFolder;

constexpr TemperatureUnit kC = TemperatureUnit::Celsius;
constexpr TemperatureUnit kF = TemperatureUnit::Fahrenheit;

class DataFileTest : public ::testing::Test {
protected:
    // Loads bytes into a store whose current data is the small sample; checks the outcome.
    bool load(const std::string& bytes, TemperatureUnit unit = kC) {
        testing::WriteBytes(path_, bytes);
        return LoadDataFile(path_, store_, unit, messages_);
    }

    void expectRejected(const std::string& bytes, TemperatureUnit unit = kC) {
        store_.currentData = testing::SmallDataSet();
        store_.importBuffer.subject = "untouched";
        messages_ = {};
        EXPECT_FALSE(load(bytes, unit));
        ASSERT_EQ(messages_.entries.size(), 1u);
        EXPECT_EQ(messages_.entries[0].text, "File Load Error !");
        EXPECT_EQ(messages_.entries[0].icon, MessageIcon::Critical);
        EXPECT_EQ(messages_.beeps, 1);
        EXPECT_EQ(store_.importBuffer.subject, "untouched");
        EXPECT_EQ(store_.currentData.subject, testing::SmallDataSet().subject);
    }

    // The hand-built file with one change applied must be refused.
    void expectRejectedAfter(const std::function<void(HandBuiltFile&)>& change) {
        HandBuiltFile file;
        change(file);
        expectRejected(file.bytes());
    }

    TempFolder folder_{"vestra-datafile"};
    std::string path_ = folder_.file("data.qmc");
    DataStore store_;
    RecordingMessages messages_;
};

void expectSameGroups(const DataSet& a, const DataSet& b) {
    for (int g = 1; g <= kGroupCount; ++g) {
        SCOPED_TRACE("group " + std::to_string(g));
        const GroupSetting& x = a.group(g);
        const GroupSetting& y = b.group(g);
        EXPECT_EQ(x.target, y.target);
        EXPECT_EQ(x.measurer, y.measurer);
        EXPECT_EQ(x.tag, y.tag);
        EXPECT_EQ(x.emissivity, y.emissivity);
        EXPECT_EQ(x.alarmHigh, y.alarmHigh);
        EXPECT_EQ(x.alarmLow, y.alarmLow);
        EXPECT_EQ(x.recordCount, y.recordCount);
        EXPECT_EQ(x.recordValues, y.recordValues);
        EXPECT_EQ(x.recordTimes, y.recordTimes);
        EXPECT_EQ(x.remarks, y.remarks);
    }
}

TEST_F(DataFileTest, FullDataSetSurvivesSaveAndLoad) {
    DataSet full = testing::FullDataSet();
    store_.currentData = full;
    store_.modified = true;
    ASSERT_TRUE(SaveDataFile(path_, store_, kC, messages_));
    EXPECT_FALSE(store_.modified);
    EXPECT_EQ(testing::ReadBytes(path_).size(), 56u * (48 + 150));

    ASSERT_TRUE(LoadDataFile(path_, store_, kC, messages_));
    EXPECT_TRUE(messages_.entries.empty());
    const DataSet& back = store_.importBuffer;
    EXPECT_EQ(back.subject, full.subject); // leading blanks kept
    EXPECT_EQ(back.importedAt, full.importedAt);
    EXPECT_EQ(back.deviceLabel, full.deviceLabel);
    EXPECT_EQ(back.totalCount, 150);
    expectSameGroups(back, full);
    EXPECT_EQ(store_.currentData.subject, full.subject); // loading does not commit
}

// The desktop hands over a file of either type; its first record decides the run's unit.
TEST_F(DataFileTest, TheUnitOfAFileIsTheOneItReadsAs) {
    std::ofstream(folder_.file("c.qmc"), std::ios::binary)
        << EncodeDataFile(testing::SmallDataSet(), TemperatureUnit::Celsius);
    std::ofstream(folder_.file("f.qmf"), std::ios::binary)
        << EncodeDataFile(testing::SmallDataSet(), TemperatureUnit::Fahrenheit);
    std::ofstream(folder_.file("junk.qmc"), std::ios::binary) << std::string(56 * 48, 'x');
    const std::pair<const char*, std::optional<TemperatureUnit>> cases[] = {
        {"c.qmc", TemperatureUnit::Celsius},
        {"f.qmf", TemperatureUnit::Fahrenheit},
        {"junk.qmc", std::nullopt},
        {"missing.qmc", std::nullopt},
    };
    for (const auto& [name, unit] : cases) {
        EXPECT_EQ(DataFileUnitOf(folder_.file(name)), unit) << name;
    }
}

TEST_F(DataFileTest, TrailingBlanksAreDroppedAndLeadingBlanksKept) {
    DataSet d = testing::SmallDataSet();
    d.subject = "  件名  ";
    d.group(1).target = " ﾎﾞｲﾗ ";
    d.group(1).remarks[0] = "  入口   ";
    store_.currentData = d;
    ASSERT_TRUE(SaveDataFile(path_, store_, kC, messages_));
    ASSERT_TRUE(LoadDataFile(path_, store_, kC, messages_));
    EXPECT_EQ(store_.importBuffer.subject, "  件名");
    EXPECT_EQ(store_.importBuffer.group(1).target, " ﾎﾞｲﾗ");
    EXPECT_EQ(store_.importBuffer.group(1).remarks[0], "  入口");
}

TEST_F(DataFileTest, DataSetWithoutReadingsIs48Records) {
    DataSet empty = testing::SmallDataSet();
    testing::SetReadings(empty.group(1), {});
    testing::SetReadings(empty.group(2), {});
    empty.totalCount = 0;
    store_.currentData = empty;
    ASSERT_TRUE(SaveDataFile(path_, store_, kF, messages_));
    std::string bytes = testing::ReadBytes(path_);
    ASSERT_EQ(bytes.size(), 2688u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\0\0\1\0", 4)); // unit flag 1 for Fahrenheit
    ASSERT_TRUE(LoadDataFile(path_, store_, kF, messages_));
    for (const GroupSetting& g : store_.importBuffer.groups) {
        EXPECT_EQ(g.recordCount, 0);
        EXPECT_TRUE(g.recordValues.empty());
    }
    expectRejected(bytes, kC);
}

TEST_F(DataFileTest, HandBuiltFileLoadsWithItsHeaderTotal) {
    ASSERT_TRUE(load(HandBuiltFile().bytes()));
    const DataSet& d = store_.importBuffer;
    EXPECT_EQ(d.deviceLabel, "AB12"); // blanks around the label are dropped
    EXPECT_EQ(d.totalCount, 10);      // groups hold only 3 + 4
    EXPECT_EQ(d.importedAt, (DateTime{2008, 3, 1, 9, 5, 59}));
    EXPECT_EQ(d.group(1).recordCount, 3);
    EXPECT_EQ(d.group(2).recordValues[3], -46.0f);
    EXPECT_EQ(d.group(2).recordTimes[3], (DateTime{2009, 1, 2, 3, 4, 4}));
    EXPECT_EQ(d.group(3).tag, "TAG3");
    EXPECT_EQ(d.group(1).remarks[2], "remark");
}

TEST_F(DataFileTest, RecordsAfterTheLastReadingAreIgnored) {
    EXPECT_TRUE(load(HandBuiltFile().bytes() + std::string(1000, 'x')));
}

TEST_F(DataFileTest, HeaderRecordsAreChecked) {
    expectRejectedAfter([](HandBuiltFile& f) { f[1].group = 1; });
    expectRejectedAfter([](HandBuiltFile& f) { f[1].number = 1; });
    expectRejected(HandBuiltFile().bytes(), kF);
    expectRejectedAfter([](HandBuiltFile& f) { f[2].group = 14; });
    expectRejectedAfter([](HandBuiltFile& f) { f[2].number = 149; });
    expectRejectedAfter([](HandBuiltFile& f) { f[2].text = "AB 12"; });
    expectRejectedAfter([](HandBuiltFile& f) { f[2].text = "ＡＢ"; });
    expectRejectedAfter([](HandBuiltFile& f) { f[2].text = ""; });
    expectRejectedAfter([](HandBuiltFile& f) { f[2].text = "ABCDEFGHIJK"; });
    expectRejectedAfter([](HandBuiltFile& f) { f[3].number = 151; });
    expectRejectedAfter([](HandBuiltFile& f) {
        f[3].time = ToOleDate({1979, 12, 31, 23, 59, 59});
    });
    expectRejectedAfter([](HandBuiltFile& f) { f[3].time = ToOleDate({2080, 1, 1, 0, 0, 0}); });
    expectRejectedAfter([](HandBuiltFile& f) { f[3].time = std::nan(""); });
    expectRejectedAfter([](HandBuiltFile& f) { f[3].time = 1e300; });
}

// The 40-byte field cannot hold a longer subject, so the subject's limit never refuses a file.
TEST_F(DataFileTest, SubjectAtItsLimitLoads) {
    HandBuiltFile f;
    f[3].text = "件名件名件名件名件名件名件名件名件名件名";
    ASSERT_TRUE(load(f.bytes()));
    EXPECT_EQ(store_.importBuffer.subject, f[3].text);
}

TEST_F(DataFileTest, GroupRecordsAreChecked) {
    expectRejectedAfter([](HandBuiltFile& f) { f[7].group = 1; });  // group 2, first record
    expectRejectedAfter([](HandBuiltFile& f) { f[8].group = 3; });  // group 2, second record
    expectRejectedAfter([](HandBuiltFile& f) { f[48].group = 0; }); // group 15, third record
    expectRejectedAfter([](HandBuiltFile& f) {
        f[4].number = 6;
        f[7].number = 5;
    });
    expectRejectedAfter([](HandBuiltFile& f) { f[10].number = -1; });
    expectRejectedAfter([](HandBuiltFile& f) { f[4].value = 0.29f; });
    expectRejectedAfter([](HandBuiltFile& f) { f[4].value = 1.91f; });
    expectRejectedAfter([](HandBuiltFile& f) { f[4].value = std::nanf(""); });
    expectRejectedAfter([](HandBuiltFile& f) { f[4].text = "対象物対象物対象物対象"; });
    expectRejectedAfter([](HandBuiltFile& f) { f[5].value = 500.1f; });
    expectRejectedAfter([](HandBuiltFile& f) { f[5].text = "測定者測定者測定者測定"; });
    expectRejectedAfter([](HandBuiltFile& f) { f[6].value = -40.1f; });
    expectRejectedAfter([](HandBuiltFile& f) { f[6].value = 100.0f; }); // equal to the high limit
    expectRejectedAfter([](HandBuiltFile& f) { f[6].text = "TAG 1"; });
    expectRejectedAfter([](HandBuiltFile& f) { f[6].text = "TAG4567890X"; });
}

TEST_F(DataFileTest, GroupCountsMayStayBelowTheHeaderTotal) {
    HandBuiltFile f;
    f[3].number = 7;
    EXPECT_TRUE(load(f.bytes()));
    f[3].number = 6;
    expectRejected(f.bytes());
}

TEST_F(DataFileTest, ReadingRecordsAreChecked) {
    expectRejectedAfter([](HandBuiltFile& f) { f[50].group = 2; });
    expectRejectedAfter([](HandBuiltFile& f) { f[50].number = 3; });
    expectRejectedAfter([](HandBuiltFile& f) { f[52].value = 550.1f; });
    expectRejectedAfter([](HandBuiltFile& f) { f[55].value = -50.5f; });
    expectRejectedAfter([](HandBuiltFile& f) { f[49].time = ToOleDate({1979, 6, 1, 0, 0, 0}); });
    expectRejectedAfter([](HandBuiltFile& f) { f[55].time = ToOleDate({2080, 6, 1, 0, 0, 0}); });
    expectRejectedAfter(
        [](HandBuiltFile& f) { f[55].time = -std::numeric_limits<double>::infinity(); });
    expectRejectedAfter(
        [](HandBuiltFile& f) { f[51].text = "備考備考備考備考備考備考備考備考備考x"; });
}

TEST_F(DataFileTest, FahrenheitRangesApplyUnderFahrenheit) {
    HandBuiltFile f;
    f[1].number = 1;
    f[5].value = 932.0f;
    f[49].value = 1022.0f;
    ASSERT_TRUE(load(f.bytes(), kF));
    EXPECT_EQ(store_.importBuffer.group(1).recordValues[0], 1022.0f);
    f[11].value = 932.1f; // group 3's high limit
    expectRejected(f.bytes(), kF);
}

TEST_F(DataFileTest, ShortEmptyAndMissingFilesAreRefused) {
    std::string bytes = HandBuiltFile().bytes();
    expectRejected(bytes.substr(0, bytes.size() - 1));
    expectRejected(bytes.substr(0, 56 * 54)); // the last announced reading is missing
    expectRejected("");
    store_.importBuffer.subject = "untouched";
    messages_ = {};
    EXPECT_FALSE(LoadDataFile(folder_.file("missing.qmc"), store_, kC, messages_));
    EXPECT_EQ(messages_.beeps, 1);
    EXPECT_FALSE(LoadDataFile(folder_.path().string(), store_, kC, messages_));
}

TEST_F(DataFileTest, FailedSaveKeepsTheOldFileAndTheModifiedFlag) {
    testing::WriteBytes(path_, "old contents");
    store_.currentData = testing::SmallDataSet();
    store_.modified = true;
    EXPECT_FALSE(SaveDataFile(folder_.file("no-such-folder/data.qmc"), store_, kC, messages_));
    ASSERT_EQ(messages_.entries.size(), 1u);
    EXPECT_EQ(messages_.entries[0].text, "File Save Error !");
    EXPECT_EQ(messages_.entries[0].icon, MessageIcon::Critical);
    EXPECT_EQ(messages_.beeps, 1);
    EXPECT_TRUE(store_.modified);
    EXPECT_EQ(testing::ReadBytes(path_), "old contents");
}

} // namespace
} // namespace vestra
