#include "files/Export.h"

#include "SampleData.h"
#include "TempFolder.h"
#include "base/TemperatureUnit.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#ifndef VESTRA_EXPECTED_DIR
#error "VESTRA_EXPECTED_DIR must name tests/files/expected"
#endif

namespace vestra {
namespace {

using testing::RecordingMessages;

constexpr TemperatureUnit kC = TemperatureUnit::Celsius;

std::string expected(const std::string& name) {
    return testing::ReadBytes(std::string(VESTRA_EXPECTED_DIR) + "/" + name);
}

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        store_.importBuffer = testing::SmallDataSet();
        store_.commitImport(false);
        store_.modified = true;
    }

    testing::TempFolder folder_{"vestra-export"};
    DataStore store_;
    RecordingMessages messages_;
};

TEST_F(ExportTest, CsvMatchesTheReferenceFile) {
    std::string path = folder_.file("small.csv");
    ASSERT_TRUE(ExportCsv(path, store_, kC, messages_));
    EXPECT_EQ(testing::ReadBytes(path), expected("small.csv"));
    EXPECT_FALSE(store_.modified);
    EXPECT_TRUE(messages_.entries.empty());
}

TEST_F(ExportTest, TextReportMatchesTheReferenceFile) {
    std::string path = folder_.file("small.txt");
    ASSERT_TRUE(ExportText(path, store_, kC, messages_));
    EXPECT_EQ(testing::ReadBytes(path), expected("small.txt"));
    EXPECT_TRUE(store_.modified); // a printout is not a saved copy
}

TEST_F(ExportTest, DataSetWithoutReadingsGives140LinesEach) {
    for (GroupSetting& g : store_.currentData.groups) {
        testing::SetReadings(g, {});
    }
    EXPECT_EQ(CsvLines(store_.currentData, kC).size(), 140u);
    std::vector<std::string> text = TextReportLines(store_.currentData, kC);
    ASSERT_EQ(text.size(), 140u);
    EXPECT_EQ(text.back(), "    収録数  0件");
}

TEST_F(ExportTest, WideTemperatureShiftsTheLineInsteadOfBeingCut) {
    GroupSetting& g = store_.currentData.group(1);
    g.recordValues[0] = 1022.0f;
    g.remarks[0] = "x";
    std::vector<std::string> text =
        TextReportLines(store_.currentData, TemperatureUnit::Fahrenheit);
    EXPECT_EQ(text[15], "         1  2008/03/01 09:00    1022.0        high    x");
    EXPECT_EQ(CsvLines(store_.currentData, kC)[15],
              "\"1\",\"2008/03/01 09:00\",\"1022.0\",\"high\",\"x\"");
}

TEST_F(ExportTest, FailedExportKeepsTheOldFile) {
    std::string path = folder_.file("old.csv");
    testing::WriteBytes(path, "old");
    std::string missing = folder_.file("missing/new.csv");
    EXPECT_FALSE(ExportCsv(missing, store_, kC, messages_));
    EXPECT_FALSE(ExportText(missing, store_, kC, messages_));
    ASSERT_EQ(messages_.entries.size(), 2u);
    EXPECT_EQ(messages_.entries[1].text, "File Save Error !");
    EXPECT_EQ(messages_.beeps, 2);
    EXPECT_TRUE(store_.modified);
    EXPECT_EQ(testing::ReadBytes(path), "old");
}

} // namespace
} // namespace vestra
