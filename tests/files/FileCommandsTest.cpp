#include "files/FileCommands.h"

#include "SampleData.h"
#include "TempFolder.h"
#include "base/TemperatureUnit.h"
#include "files/DataFile.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

using testing::RecordingMessages;

constexpr TemperatureUnit kC = TemperatureUnit::Celsius;
constexpr TemperatureUnit kF = TemperatureUnit::Fahrenheit;

TEST(SaveFormat, ChosenByExtensionInAnyCase) {
    EXPECT_EQ(SaveFormatOf("/d/data.qmc", kC), SaveFormat::Native);
    EXPECT_EQ(SaveFormatOf("/d/data.QMC", kC), SaveFormat::Native);
    EXPECT_EQ(SaveFormatOf("/d/data.qmf", kF), SaveFormat::Native);
    EXPECT_EQ(SaveFormatOf("/d/report.TXT", kC), SaveFormat::Text);
    EXPECT_EQ(SaveFormatOf("/d/report.Csv", kF), SaveFormat::Csv);
    EXPECT_EQ(SaveFormatOf("/d/data.qmf", kC), SaveFormat::Unsupported);
    EXPECT_EQ(SaveFormatOf("/d/data.qmc", kF), SaveFormat::Unsupported);
    EXPECT_EQ(SaveFormatOf("/d/data", kC), SaveFormat::Unsupported);
    EXPECT_EQ(SaveFormatOf("/d.qmc/data", kC), SaveFormat::Unsupported);
    EXPECT_EQ(SaveFormatOf("/d/data.pdf", kC), SaveFormat::Unsupported);
}

class FileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        store_.importBuffer = testing::SmallDataSet();
        store_.commitImport(false);
        store_.hasData = true;
        store_.modified = true;
    }

    testing::TempFolder folder_{"vestra-filecommands"};
    DataStore store_;
    RecordingMessages messages_;
};

TEST_F(FileCommandsTest, UnsupportedNameWritesNothing) {
    EXPECT_EQ(SaveToFile(folder_.file("data.qmf"), store_, kC, messages_), SaveResult::Unsupported);
    ASSERT_EQ(messages_.entries.size(), 1u);
    EXPECT_EQ(messages_.entries[0].text, "ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。");
    EXPECT_EQ(messages_.entries[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(folder_.entryCount(), 0);
    EXPECT_TRUE(store_.modified);
}

TEST_F(FileCommandsTest, SaveDispatchesAndSetsModifiedAsEachFormatDoes) {
    EXPECT_EQ(SaveToFile(folder_.file("r.TXT"), store_, kC, messages_), SaveResult::Saved);
    EXPECT_TRUE(store_.modified);
    EXPECT_EQ(testing::ReadBytes(folder_.file("r.TXT")).substr(0, 4), "\x8c\x8f\x96\xbc"); // 件名
    EXPECT_EQ(SaveToFile(folder_.file("r.csv"), store_, kC, messages_), SaveResult::Saved);
    EXPECT_FALSE(store_.modified);
    store_.modified = true;
    EXPECT_EQ(SaveToFile(folder_.file("d.qmc"), store_, kC, messages_), SaveResult::Saved);
    EXPECT_FALSE(store_.modified);
    EXPECT_EQ(testing::ReadBytes(folder_.file("d.qmc")), EncodeDataFile(store_.currentData, kC));
    EXPECT_EQ(folder_.entryCount(), 3); // no temporary files left behind
    EXPECT_TRUE(messages_.entries.empty());
}

TEST_F(FileCommandsTest, OpenCommitsWithStatisticsAndClearsTheBuffer) {
    std::string path = folder_.file("d.qmc");
    ASSERT_EQ(SaveToFile(path, store_, kC, messages_), SaveResult::Saved);
    DataStore opened;
    opened.modified = true;
    ASSERT_TRUE(OpenDataFile(path, opened, kC, messages_));
    EXPECT_TRUE(opened.hasData);
    EXPECT_FALSE(opened.modified);
    EXPECT_EQ(opened.currentData.subject, store_.currentData.subject);
    EXPECT_EQ(opened.currentData.group(1).maxIndex, 2);
    EXPECT_EQ(opened.currentData.group(1).minIndex, 3);
    EXPECT_FLOAT_EQ(opened.currentData.group(1).average, 52.6f);
    EXPECT_TRUE(opened.importBuffer.group(1).recordValues.empty());
}

TEST_F(FileCommandsTest, FailedOpenLeavesTheShownDataAlone) {
    std::string path = folder_.file("bad.qmc");
    testing::WriteBytes(path, "not a data file");
    EXPECT_FALSE(OpenDataFile(path, store_, kC, messages_));
    EXPECT_TRUE(store_.hasData);
    EXPECT_TRUE(store_.modified);
    EXPECT_EQ(store_.currentData.group(1).recordCount, 3);
    EXPECT_EQ(messages_.entries.at(0).text, "File Load Error !");
}

} // namespace
} // namespace vestra
