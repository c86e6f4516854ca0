#include "files/FileChoice.h"

#include "TempFolder.h"
#include "shell/FileFunc.h"
#include "support/FakeFileDialogs.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

using testing::FakeFileDialogs;
using testing::RecordingMessages;

class FileChoiceTest : public ::testing::Test {
protected:
    std::string existing(const std::string& name) {
        testing::WriteBytes(folder_.file(name), "x");
        return folder_.file(name);
    }
    std::string folderWithSlash() const { return folder_.path().string() + "/"; }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& entry : messages_.entries) {
            out.push_back(entry.text);
        }
        return out;
    }

    testing::TempFolder folder_{"vestra-filechoice"};
    FakeFileDialogs dialogs_;
    RecordingMessages messages_;
};

TEST_F(FileChoiceTest, DialogsStartAtTheLastDataFileOfTheUnit) {
    std::string last = existing("plant.qmc");
    FileDialogSetup open = OpenDialogSetup(last, "ﾟC");
    EXPECT_EQ(open.folder, folderWithSlash());
    EXPECT_EQ(open.name, "plant");
    EXPECT_EQ(open.defaultExtension, "qmc");
    ASSERT_EQ(open.filters.size(), 1u);
    EXPECT_EQ(open.filters[0].caption, "ﾃﾞﾌｫﾙﾄ(*.qmc)");

    FileDialogSetup save = SaveDialogSetup(existing("PLANT.QMF"), "ﾟF");
    EXPECT_EQ(save.name, "PLANT");
    EXPECT_EQ(save.defaultExtension, "qmf");
    ASSERT_EQ(save.filters.size(), 3u);
    EXPECT_EQ(save.filters[0].caption, "ﾃﾞﾌｫﾙﾄ(*.qmf)");
    EXPECT_EQ(save.filters[1].caption, "CSVﾌｧｲﾙ(*.csv)");
    EXPECT_EQ(save.filters[2].caption, "ﾃｷｽﾄﾌｧｲﾙ(*.txt)");
}

TEST_F(FileChoiceTest, OtherFilesGiveTheirFolderOrTheProgramFolderWithoutName) {
    FileDialogSetup afterExport = OpenDialogSetup(existing("x.csv"), "ﾟC");
    EXPECT_EQ(afterExport.folder, folderWithSlash());
    EXPECT_EQ(afterExport.name, "");
    FileDialogSetup otherUnit = OpenDialogSetup(existing("d.qmf"), "ﾟC");
    EXPECT_EQ(otherUnit.name, "");
    FileDialogSetup gone = SaveDialogSetup(folder_.file("gone.qmc"), "ﾟC");
    EXPECT_EQ(gone.folder, ProgramFolder());
    EXPECT_EQ(gone.name, "");
}

TEST_F(FileChoiceTest, DefaultExtensionOnlyForANameWithout) {
    EXPECT_EQ(WithDefaultExtension("/d/data", "qmc"), "/d/data.qmc");
    EXPECT_EQ(WithDefaultExtension("/d.v2/data", "qmc"), "/d.v2/data.qmc");
    EXPECT_EQ(WithDefaultExtension("/d/report.TXT", "qmc"), "/d/report.TXT");
    EXPECT_EQ(WithDefaultExtension("/d/", "qmc"), "/d/");
}

TEST_F(FileChoiceTest, OpenTakesOnlyTheUnitsDataFiles) {
    std::string current = "/before.qmf";
    dialogs_.answers = {folder_.file("a.qmc"), std::nullopt, folder_.file("b.QMF"),
                        folder_.file("c")};
    EXPECT_FALSE(ChooseOpenFile(dialogs_, current, "ﾟF", messages_));
    EXPECT_EQ(current, "/before.qmf");
    EXPECT_EQ(texts(), std::vector<std::string>{"ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。"});
    EXPECT_EQ(messages_.entries[0].icon, MessageIcon::Exclamation);

    EXPECT_FALSE(ChooseOpenFile(dialogs_, current, "ﾟF", messages_)); // cancelled
    EXPECT_EQ(current, "/before.qmf");
    EXPECT_EQ(messages_.entries.size(), 1u);

    EXPECT_TRUE(ChooseOpenFile(dialogs_, current, "ﾟF", messages_));
    EXPECT_EQ(current, folder_.file("b.QMF"));
    EXPECT_TRUE(ChooseOpenFile(dialogs_, current, "ﾟF", messages_));
    EXPECT_EQ(current, folder_.file("c.qmf"));
    EXPECT_EQ(messages_.entries.size(), 1u);
}

TEST_F(FileChoiceTest, SaveTakesNativeCsvAndTextAndRefusesTheRest) {
    std::string current;
    dialogs_.answers = {folder_.file("report.TXT"), folder_.file("data.qmf"), folder_.file("data"),
                        folder_.file("t.Csv"), folder_.file("r.pdf")};
    EXPECT_TRUE(ChooseSaveFile(dialogs_, current, "ﾟC", messages_));
    EXPECT_EQ(current, folder_.file("report.TXT"));
    EXPECT_FALSE(ChooseSaveFile(dialogs_, current, "ﾟC", messages_));
    EXPECT_EQ(current, folder_.file("report.TXT"));
    EXPECT_TRUE(ChooseSaveFile(dialogs_, current, "ﾟC", messages_));
    EXPECT_EQ(current, folder_.file("data.qmc"));
    EXPECT_TRUE(ChooseSaveFile(dialogs_, current, "ﾟC", messages_));
    EXPECT_FALSE(ChooseSaveFile(dialogs_, current, "ﾟC", messages_));
    EXPECT_EQ(current, folder_.file("t.Csv"));
    EXPECT_EQ(texts(), (std::vector<std::string>{"ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。",
                                                 "ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。"}));
    EXPECT_EQ(folder_.entryCount(), 0);
}

TEST_F(FileChoiceTest, ReplacingAFileIsAskedAndNoShowsTheDialogAgain) {
    std::string old = existing("old.qmc");
    std::string current;
    dialogs_.answers = {folder_.file("old"), folder_.file("new.csv")};
    messages_.answers = {false};
    EXPECT_TRUE(ChooseSaveFile(dialogs_, current, "ﾟC", messages_));
    EXPECT_EQ(current, folder_.file("new.csv"));
    EXPECT_EQ(texts(), std::vector<std::string>{"old.qmc は既に存在します。\n上書きしますか?"});
    ASSERT_EQ(dialogs_.saved.size(), 2u);
    EXPECT_EQ(dialogs_.saved[1].folder, folderWithSlash());
    EXPECT_EQ(dialogs_.saved[1].name, "old.qmc");

    dialogs_.answers = {old};
    EXPECT_TRUE(ChooseSaveFile(dialogs_, current, "ﾟC", messages_)); // Yes
    EXPECT_EQ(current, old);
    EXPECT_EQ(testing::ReadBytes(old), "x");
}

} // namespace
} // namespace vestra
