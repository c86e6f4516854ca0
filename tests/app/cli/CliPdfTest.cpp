// The PDF report of the command-line tool: its paper, and a full disk.
#include "base/InstallLayout.h"
#include "base/TemperatureUnit.h"
#include "files/DataFile.h"
#include "files/SampleData.h"
#include "files/TempFolder.h"
#include "support/RecordingMessages.h"
#include "support/SmallDisk.h"
#include "support/ToolRun.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>

#ifndef VESTRA_CLI_PATH
#error "VESTRA_CLI_PATH must be defined"
#endif

namespace vestra {
namespace {

using Outcome = testing::ToolOutcome;

class CliPdfTest : public ::testing::Test {
protected:
    void SetUp() override {
        DataStore store;
        store.currentData = testing::SmallDataSet();
        testing::RecordingMessages messages;
        ASSERT_TRUE(SaveDataFile(input_, store, TemperatureUnit::Celsius, messages));
    }

    // The tool with settings of its own and the locale of the C library, whose paper is A4,
    // so that neither the user's settings nor the machine's locale decide the outcome.
    Outcome run(const std::string& args) {
        return testing::RunTool(folder_, VESTRA_CLI_PATH, "--unit C " + args, "LC_ALL=C ");
    }

    std::string pageSize(const std::string& pdf) {
        std::string info = folder_.file("info");
        std::string command = "pdfinfo '" + pdf + "' >'" + info + "'";
        if (std::system(command.c_str()) != 0) {
            return {};
        }
        std::string text = testing::ReadBytes(info);
        std::size_t at = text.find("Page size:");
        if (at == std::string::npos) {
            return {};
        }
        at = text.find_first_not_of(' ', at + 10);
        return text.substr(at, text.find('\n', at) - at);
    }

    testing::TempFolder folder_{"vestra-cli-pdf"};
    std::string input_ = folder_.file("in.qmc");
};

struct PaperCase {
    const char* option;
    const char* pageSize;
};

class CliPdfPaper : public CliPdfTest, public ::testing::WithParamInterface<PaperCase> {};

TEST_P(CliPdfPaper, LaysTheReportOutOnThePaper) {
    std::string out = folder_.file("out.pdf");
    Outcome pdf = run("convert '" + input_ + "' '" + out + "' " + GetParam().option);
    ASSERT_EQ(pdf.status, 0) << pdf.errors;
    EXPECT_EQ(pageSize(out), GetParam().pageSize);
}

INSTANTIATE_TEST_SUITE_P(Papers, CliPdfPaper,
                         ::testing::Values(PaperCase{"", "595 x 842 pts (A4)"},
                                           PaperCase{"--paper a4", "595 x 842 pts (A4)"},
                                           PaperCase{"--paper letter", "612 x 792 pts (letter)"},
                                           PaperCase{"--paper LETTER", "612 x 792 pts (letter)"}));

// The writer stamps the clock's time; runs seconds apart must still agree byte for byte.
TEST_F(CliPdfTest, TwoRunsGiveTheSameBytes) {
    for (std::string environment : {"", "SOURCE_DATE_EPOCH=1700000000 "}) {
        std::string args = "convert '" + input_ + "' '" + folder_.file("a.pdf") + "'";
        ASSERT_EQ(
            testing::RunTool(folder_, VESTRA_CLI_PATH, args, "LC_ALL=C " + environment).status, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(1100));
        args = "convert '" + input_ + "' '" + folder_.file("b.pdf") + "'";
        ASSERT_EQ(
            testing::RunTool(folder_, VESTRA_CLI_PATH, args, "LC_ALL=C " + environment).status, 0);
        EXPECT_EQ(testing::ReadBytes(folder_.file("a.pdf")),
                  testing::ReadBytes(folder_.file("b.pdf")))
            << environment;
    }
}

TEST_F(CliPdfTest, PaperOnlyForAPdfAndOnlyA4OrLetter) {
    for (const char* args : {"convert in.qmc out.pdf --paper a3", "convert in.qmc out.pdf --paper",
                             "convert in.qmc out.csv --paper a4"}) {
        Outcome usage = run(args);
        EXPECT_EQ(usage.status, 2) << args;
        EXPECT_NE(usage.errors.find("--paper"), std::string::npos) << usage.errors;
    }
    EXPECT_EQ(folder_.entryCount(), 2); // in.qmc, stderr
}

TEST_F(CliPdfTest, FullDiskIsASaveErrorAndKeepsTheOldPdf) {
    testing::SmallDisk disk(folder_.file("small"));
    if (!disk.mounted()) {
        GTEST_SKIP() << disk.why();
    }
    std::string out = disk.file("report.pdf");
    ASSERT_EQ(run("convert '" + input_ + "' '" + out + "'").status, 0);
    std::string old = testing::ReadBytes(out);
    ASSERT_TRUE(disk.fillUp());

    Outcome full = run("convert '" + input_ + "' '" + out + "' --paper letter");
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.errors.find("File Save Error !"), std::string::npos) << full.errors;
    EXPECT_NE(full.errors.find(out), std::string::npos) << "the message names the file";
    EXPECT_TRUE(testing::ReadBytes(out) == old) << "the old PDF was changed";
    auto entries = std::filesystem::directory_iterator(disk.file(""));
    EXPECT_EQ(std::distance(entries, std::filesystem::directory_iterator()), 2)
        << "the failed save left its temporary file";
}

// The report program starts Qt, which makes the folder XDG_RUNTIME_DIR names when it is missing.
// The program must leave that folder missing, leave no folder of its own behind in TMPDIR, and
// write what it writes when the folder is there.
TEST_F(CliPdfTest, TheReportProgramLeavesAMissingRuntimeFolderMissing) {
    namespace fs = std::filesystem;
    std::string runtime = folder_.file("runtime");
    std::string temp = folder_.file("temp");
    fs::create_directory(temp);
    std::string environment = "LC_ALL=C TMPDIR='" + temp + "' XDG_RUNTIME_DIR='" + runtime + "' ";
    // The command's operands before the output file, and that file.
    const std::pair<std::string, std::string> cases[] = {
        {"convert '" + input_ + "' ", folder_.file("r.pdf")},
        {"chart '" + input_ + "' 1 ", folder_.file("c.png")},
    };
    for (const auto& [operands, out] : cases) {
        std::string args = "--unit C " + operands + "'" + out + "'";
        fs::create_directory(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
        ASSERT_EQ(testing::RunTool(folder_, VESTRA_CLI_PATH, args, environment).status, 0);
        std::string present = testing::ReadBytes(out);
        fs::remove(runtime);

        Outcome missing = testing::RunTool(folder_, VESTRA_CLI_PATH, args, environment);
        EXPECT_EQ(missing.status, 0) << missing.errors;
        EXPECT_FALSE(fs::exists(runtime)) << operands;
        EXPECT_TRUE(fs::is_empty(temp)) << operands;
        EXPECT_TRUE(testing::ReadBytes(out) == present) << operands;
    }
}

// A copy of the tool outside the build tree, and a stand-in for its report program where an
// installation has it: whatever the stand-in does, no half or empty report replaces the old file.
TEST_F(CliPdfTest, AReportProgramWithoutAWholeFileIsASaveErrorAndKeepsTheOldFile) {
    namespace fs = std::filesystem;
    std::string bin = folder_.file("bin");
    fs::create_directory(bin);
    fs::copy_file(VESTRA_CLI_PATH, bin + "/vestra-cli");
    // The stand-in's shell script (null: no report program at all), and whether a chart is asked.
    const std::pair<const char*, bool> cases[] = {
        {"exit 0", false},
        {"printf '%%PDF-1.4\\n1 0 obj'", false},
        {"printf '%%%%EOF'", false},
        {nullptr, false},
        {"exit 0", true},
        {"printf 'PNG'", true},
    };
    for (const auto& [script, chart] : cases) {
        std::string helper = PrivateProgramPath(bin + "/vestra-cli", "vestra-report").value();
        fs::create_directories(fs::path(helper).parent_path());
        fs::remove(helper);
        if (script != nullptr) {
            testing::WriteBytes(helper, std::string("#!/bin/sh\ncat >/dev/null\n") + script + "\n");
            fs::permissions(helper, fs::perms::owner_all);
        }
        std::string out = folder_.file(chart ? "c.png" : "r.pdf");
        testing::WriteBytes(out, "the old file");
        std::string command = chart ? "chart '" + input_ + "' 1 '" : "convert '" + input_ + "' '";
        Outcome made =
            testing::RunTool(folder_, bin + "/vestra-cli", "--unit C " + command + out + "'");
        EXPECT_EQ(made.status, 1) << (script != nullptr ? script : "none");
        EXPECT_EQ(made.errors.rfind("vestra-cli: File Save Error !\nvestra-cli: " + out + ": ", 0),
                  0u)
            << made.errors;
        EXPECT_EQ(testing::ReadBytes(out), "the old file");
    }
}

} // namespace
} // namespace vestra
