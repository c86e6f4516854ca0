#include "print/PdfFileChoice.h"

#include "files/TempFolder.h"
#include "support/FakeFileDialogs.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

struct ChoiceCase {
    const char* typed; // answer of the dialog, under the test's folder; null: cancel
    bool existing;     // report.pdf is there already
    std::deque<bool> replace;
    const char* chosen;    // null: nothing chosen
    std::size_t questions; // dialogs shown
    const char* message;   // the only message or question, if any
};

class PdfFileChoiceTest : public ::testing::TestWithParam<ChoiceCase> {
protected:
    testing::TempFolder folder_{"vestra-pdf-choice"};
};

TEST_P(PdfFileChoiceTest, TakesOnlyASettledPdfName) {
    const ChoiceCase& c = GetParam();
    if (c.existing) {
        testing::WriteBytes(folder_.file("report.pdf"), "old");
    }
    testing::FakeFileDialogs dialogs;
    if (c.typed != nullptr) {
        dialogs.answers.push_back(folder_.file(c.typed));
    }
    testing::RecordingMessages messages;
    messages.answers = c.replace;
    std::string last = "unchanged";
    bool chosen = ChoosePdfFile(dialogs, last, folder_.file("data.qmc"), messages);

    EXPECT_EQ(chosen, c.chosen != nullptr);
    EXPECT_EQ(last, c.chosen != nullptr ? folder_.file(c.chosen) : "unchanged");
    EXPECT_EQ(dialogs.saved.size(), c.questions);
    EXPECT_EQ(dialogs.saved.at(0).defaultExtension, "pdf");
    ASSERT_EQ(messages.entries.size(), c.message != nullptr ? 1u : 0u);
    if (c.message != nullptr) {
        EXPECT_EQ(messages.entries[0].text, c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PdfFileChoiceTest,
    ::testing::Values(ChoiceCase{nullptr, false, {}, nullptr, 1, nullptr},
                      ChoiceCase{"report", false, {}, "report.pdf", 1, nullptr},
                      ChoiceCase{"report.PDF", false, {}, "report.PDF", 1, nullptr},
                      ChoiceCase{
                          "report.txt", false, {}, nullptr, 1, "ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。"},
                      ChoiceCase{"report",
                                 true,
                                 {true},
                                 "report.pdf",
                                 1,
                                 "report.pdf は既に存在します。\n上書きしますか?"},
                      ChoiceCase{"report",
                                 true,
                                 {false},
                                 nullptr,
                                 2,
                                 "report.pdf は既に存在します。\n上書きしますか?"}));

TEST(PdfDialogSetup, StartsAtTheLastReportOrTheDataFile) {
    testing::TempFolder folder{"vestra-pdf-setup"};
    std::string report = folder.file("month.pdf");
    std::string data = folder.file("data.qmc");
    testing::WriteBytes(report, "%PDF-");
    testing::WriteBytes(data, "x");

    FileDialogSetup afterReport = PdfDialogSetup(report, data);
    EXPECT_EQ(afterReport.folder, folder.file(""));
    EXPECT_EQ(afterReport.name, "month");
    ASSERT_EQ(afterReport.filters.size(), 1u);
    EXPECT_EQ(afterReport.filters[0].pattern, "*.pdf");

    FileDialogSetup first = PdfDialogSetup("", data);
    EXPECT_EQ(first.folder, folder.file(""));
    EXPECT_EQ(first.name, "");
}

} // namespace
} // namespace vestra
