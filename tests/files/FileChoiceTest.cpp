#include "files/FileChoice.h"

#include "TempFolder.h"
#include "base/FileFunc.h"
#include "support/FakeFileDialogs.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

const std::string kUnsupported = "ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。";

class FileChoiceTest : public ::testing::Test {
protected:
    std::string existing(const std::string& name) {
        testing::WriteBytes(folder_.file(name), "x");
        return folder_.file(name);
    }
    std::string folderWithSlash() const { return folder_.path().string() + kPathSeparator; }

    testing::TempFolder folder_{"vestra-filechoice"};
    testing::FakeFileDialogs dialogs_;
    testing::RecordingMessages messages_;
};

TEST_F(FileChoiceTest, DialogsStartAtTheLastFileWithItsNameOnlyForTheUnitsDataFiles) {
    FileDialogSetup open = OpenDialogSetup(existing("plant.qmc"), TemperatureUnit::Celsius);
    EXPECT_EQ(open.folder, folderWithSlash());
    EXPECT_EQ(open.name, "plant");
    EXPECT_EQ(open.defaultExtension, "qmc");
    ASSERT_EQ(open.filters.size(), 1u);
    EXPECT_EQ(open.filters[0].caption, "ﾃﾞﾌｫﾙﾄ(*.qmc)");
    FileDialogSetup save = SaveDialogSetup(existing("PLANT.QMF"), TemperatureUnit::Fahrenheit);
    EXPECT_EQ(save.name, "PLANT");
    ASSERT_EQ(save.filters.size(), 3u);
    EXPECT_EQ(save.filters[0].caption + save.filters[1].caption + save.filters[2].caption,
              "ﾃﾞﾌｫﾙﾄ(*.qmf)CSVﾌｧｲﾙ(*.csv)ﾃｷｽﾄﾌｧｲﾙ(*.txt)");

    EXPECT_EQ(OpenDialogSetup(existing("x.csv"), TemperatureUnit::Celsius).folder,
              folderWithSlash());
    EXPECT_EQ(OpenDialogSetup(existing("x.csv"), TemperatureUnit::Celsius).name, "");
    EXPECT_EQ(OpenDialogSetup(existing("d.qmf"), TemperatureUnit::Celsius).name, "");
    EXPECT_EQ(SaveDialogSetup(folder_.file("gone.qmc"), TemperatureUnit::Celsius).folder,
              ProgramFolder());
    EXPECT_EQ(SaveDialogSetup(folder_.file("gone.qmc"), TemperatureUnit::Celsius).name, "");
}

TEST_F(FileChoiceTest, OpenTakesOnlyTheUnitsDataFiles) {
    std::string current = "/before.qmf";
    dialogs_.answers = {folder_.file("a.qmc"), std::nullopt, folder_.file("b.QMF"),
                        folder_.file("v1.2/c")};
    EXPECT_FALSE(ChooseOpenFile(dialogs_, current, TemperatureUnit::Fahrenheit, messages_));
    EXPECT_FALSE(
        ChooseOpenFile(dialogs_, current, TemperatureUnit::Fahrenheit, messages_)); // cancelled
    EXPECT_EQ(current, "/before.qmf");
    ASSERT_EQ(messages_.entries.size(), 1u);
    EXPECT_EQ(messages_.entries[0].text, kUnsupported);
    EXPECT_EQ(messages_.entries[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(ChooseOpenFile(dialogs_, current, TemperatureUnit::Fahrenheit, messages_));
    EXPECT_EQ(current, folder_.file("b.QMF"));
    EXPECT_TRUE(ChooseOpenFile(dialogs_, current, TemperatureUnit::Fahrenheit, messages_));
    EXPECT_EQ(current, folder_.file("v1.2/c.qmf"));
}

TEST_F(FileChoiceTest, SaveTakesNativeCsvAndTextAndRefusesTheRest) {
    std::string current;
    dialogs_.answers = {folder_.file("report.TXT"), folder_.file("data.qmf"), folder_.file("data"),
                        folder_.file("r.pdf")};
    EXPECT_TRUE(ChooseSaveFile(dialogs_, current, TemperatureUnit::Celsius, messages_));
    EXPECT_EQ(current, folder_.file("report.TXT"));
    EXPECT_FALSE(ChooseSaveFile(dialogs_, current, TemperatureUnit::Celsius, messages_));
    EXPECT_EQ(current, folder_.file("report.TXT"));
    EXPECT_TRUE(ChooseSaveFile(dialogs_, current, TemperatureUnit::Celsius, messages_));
    EXPECT_EQ(current, folder_.file("data.qmc"));
    EXPECT_FALSE(ChooseSaveFile(dialogs_, current, TemperatureUnit::Celsius, messages_));
    EXPECT_EQ(messages_.entries.size(), 2u);
    EXPECT_EQ(messages_.entries[1].text, kUnsupported);
    EXPECT_EQ(folder_.entryCount(), 0);
}

TEST_F(FileChoiceTest, ReplacingAFileIsAskedAndNoShowsTheDialogAgain) {
    std::string old = existing("old.qmc");
    std::string current;
    dialogs_.answers = {folder_.file("old"), folder_.file("new.csv"), old};
    messages_.answers = {false, true};
    EXPECT_TRUE(ChooseSaveFile(dialogs_, current, TemperatureUnit::Celsius, messages_));
    EXPECT_EQ(current, folder_.file("new.csv"));
    ASSERT_EQ(messages_.entries.size(), 1u);
    EXPECT_EQ(messages_.entries[0].text, "old.qmc は既に存在します。\n上書きしますか?");
    ASSERT_EQ(dialogs_.saved.size(), 2u);
    EXPECT_EQ(dialogs_.saved[1].folder + dialogs_.saved[1].name, old);

    EXPECT_TRUE(ChooseSaveFile(dialogs_, current, TemperatureUnit::Celsius, messages_));
    EXPECT_EQ(current, old);
    EXPECT_EQ(testing::ReadBytes(old), "x");
}

} // namespace
} // namespace vestra
