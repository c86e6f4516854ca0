// Every step of writing a file failing in turn, for every kind of output: the failure must be
// reported with the file and the reason, the exit status must say so, the old file must be as
// it was and no temporary may remain. The file-system calls fail through the shim in
// support/WriteFaultShim.cpp, linked into this program and preloaded into the tool.
#include "base/Settings.h"
#include "files/DataFile.h"
#include "files/SampleData.h"
#include "files/TempFolder.h"
#include "support/RecordingMessages.h"
#include "support/ToolRun.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#if !defined(VESTRA_CLI_PATH) || !defined(VESTRA_FAULT_SHIM_PATH)
#error "VESTRA_CLI_PATH and VESTRA_FAULT_SHIM_PATH must be defined"
#endif

namespace vestra::testing {
namespace {

const std::string kOld = "the old contents\r\n";
const std::string kFull = "ディスクの空きがありません";
const std::string kIoError = "入出力エラーです";

using Outcome = ToolOutcome;

class WriteFaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(out_);
        DataStore store;
        store.currentData = SmallDataSet();
        RecordingMessages messages;
        ASSERT_TRUE(SaveDataFile(input_, store, TemperatureUnit::Celsius, messages));
    }
    void TearDown() override {
        ::unsetenv("VESTRA_FAIL_CALL");
        ::unsetenv("VESTRA_FAIL_UNDER");
    }

    // The tool with the shim preloaded; its settings under the test's folder.
    Outcome run(const std::string& call, const std::string& args) {
        return RunTool(folder_, VESTRA_CLI_PATH, args,
                       "LD_PRELOAD='" VESTRA_FAULT_SHIM_PATH "' VESTRA_FAIL_CALL=" + call +
                           " VESTRA_FAIL_UNDER='" + out_ + "' ");
    }

    int entriesInOut() const {
        auto it = std::filesystem::directory_iterator(out_);
        return static_cast<int>(std::distance(it, std::filesystem::directory_iterator()));
    }

    TempFolder folder_{"vestra-write-faults"};
    std::string input_ = folder_.file("in.qmc");
    std::string out_ = folder_.file("out");
};

struct FileCase {
    const char* output;
    const char* call;
    const std::string& reason;
};

class FileOutputFaults : public WriteFaultsTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(FileOutputFaults, AreReportedAndKeepTheOldFile) {
    std::string target = out_ + "/" + GetParam().output;
    WriteBytes(target, kOld);
    Outcome outcome = run(GetParam().call, "--unit C convert '" + input_ + "' '" + target + "'");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.errors,
              ErrorLines("File Save Error !\n" + target + ": " + GetParam().reason + "\n"));
    EXPECT_EQ(ReadBytes(target), kOld);
    EXPECT_EQ(entriesInOut(), 1) << "no temporary may remain";
}

INSTANTIATE_TEST_SUITE_P(
    EveryStepOfEveryFormat, FileOutputFaults,
    ::testing::Values(FileCase{"a.csv", "write", kFull}, FileCase{"a.csv", "fsync", kIoError},
                      FileCase{"a.csv", "close", kIoError}, FileCase{"a.csv", "rename", kIoError},
                      FileCase{"a.txt", "write", kFull}, FileCase{"a.txt", "fsync", kIoError},
                      FileCase{"a.txt", "close", kIoError}, FileCase{"a.txt", "rename", kIoError},
                      FileCase{"a.qmc", "write", kFull}, FileCase{"a.qmc", "fsync", kIoError},
                      FileCase{"a.qmc", "close", kIoError}, FileCase{"a.qmc", "rename", kIoError}),
    [](const ::testing::TestParamInfo<FileCase>& info) {
        std::string name = std::string(info.param.output) + "_" + info.param.call;
        name[1] = '_';
        return name;
    });

// The report on standard output is the user's data as much as a file is: a write that fails
// must not end in success, or a following "clear" would erase the only copy.
TEST_F(WriteFaultsTest, StandardOutputThatCannotBeWrittenFailsTheCommand) {
    std::string target = out_ + "/report.txt";
    Outcome outcome = run("write", "convert --help >'" + target + "'");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.errors, ErrorLines("File Save Error !\n標準出力: " + kFull + "\n"));
}

TEST_F(WriteFaultsTest, StandardOutputOnAFullDeviceFailsTheCommand) {
    Outcome outcome = run("none", "--version >/dev/full");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.errors, ErrorLines("File Save Error !\n標準出力: " + kFull + "\n"));
}

// The window writes its settings at exit through the same path; a failure keeps every line.
TEST_F(WriteFaultsTest, SettingsFileSurvivesEveryFailingStep) {
    std::string file = out_ + "/VESTRA.INI";
    for (const char* call : {"write", "fsync", "close", "rename"}) {
        WriteBytes(file, kOld);
        ::setenv("VESTRA_FAIL_UNDER", out_.c_str(), 1);
        ::setenv("VESTRA_FAIL_CALL", call, 1);
        bool saved = SaveSettings(file, Settings());
        ::unsetenv("VESTRA_FAIL_CALL");
        EXPECT_FALSE(saved) << call;
        EXPECT_EQ(ReadBytes(file), kOld) << call;
        EXPECT_EQ(entriesInOut(), 1) << call;
    }
}

} // namespace
} // namespace vestra::testing
