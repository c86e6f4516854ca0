#include "base/FileFault.h"
#include "base/Settings.h"
#include "base/TemperatureUnit.h"
#include "base/TextCodec.h"
#include "files/DataFile.h"
#include "files/SampleData.h"
#include "files/TempFolder.h"
#include "support/RecordingMessages.h"
#include "support/ToolRun.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#if !defined(VESTRA_CLI_PATH) || !defined(VESTRA_EXPECTED_DIR)
#error "VESTRA_CLI_PATH and VESTRA_EXPECTED_DIR must be defined"
#endif

namespace vestra {
namespace {

using Outcome = testing::ToolOutcome;

class CliConvertTest : public ::testing::Test {
protected:
    void SetUp() override {
        DataStore store;
        store.currentData = testing::SmallDataSet();
        testing::RecordingMessages messages;
        ASSERT_TRUE(SaveDataFile(input_, store, TemperatureUnit::Celsius, messages));
    }

    // Runs the tool with its settings under the test's folder, so a user's own settings file
    // never decides the unit.
    Outcome run(const std::string& args) {
        return testing::RunTool(folder_, VESTRA_CLI_PATH, args);
    }

    std::string quoted(const std::string& name) { return "'" + folder_.file(name) + "'"; }

    testing::TempFolder folder_{"vestra-cli"};
    std::string input_ = folder_.file("in.qmc");
};

std::string expected(const std::string& name) {
    return testing::ReadBytes(std::string(VESTRA_EXPECTED_DIR) + "/" + name);
}

TEST_F(CliConvertTest, ConvertsToEachFormatByteForByte) {
    EXPECT_EQ(run("convert " + quoted("in.qmc") + " " + quoted("out.QMC")).status, 0);
    EXPECT_EQ(testing::ReadBytes(folder_.file("out.QMC")), testing::ReadBytes(input_));
    Outcome csv = run("--unit C convert " + quoted("in.qmc") + " " + quoted("out.csv"));
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.errors, "");
    EXPECT_EQ(testing::ReadBytes(folder_.file("out.csv")), expected("small.csv"));
    EXPECT_EQ(run("convert " + quoted("in.qmc") + " " + quoted("out.Txt")).status, 0);
    EXPECT_EQ(testing::ReadBytes(folder_.file("out.Txt")), expected("small.txt"));
}

TEST_F(CliConvertTest, BadInputIsAFileErrorAndWritesNothing) {
    testing::WriteBytes(folder_.file("bad.qmc"), std::string(100, 'x'));
    Outcome bad = run("convert " + quoted("bad.qmc") + " " + quoted("out.csv"));
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.errors, testing::ErrorLines("File Load Error !\n" + folder_.file("bad.qmc") +
                                              ": データファイルではありません\n"));
    EXPECT_FALSE(testing::ReadBytes(folder_.file("out.csv")).size() > 0);
    EXPECT_EQ(run("convert " + quoted("missing.qmc") + " " + quoted("out.csv")).status, 1);
    EXPECT_EQ(folder_.entryCount(), 3); // in.qmc, bad.qmc, stderr
}

// What is not a regular file is refused at once with its reason; a FIFO never hangs the tool,
// neither as the input nor as the settings file it looks at for the unit.
TEST_F(CliConvertTest, InputsThatAreNoFilesAreNamedWithTheirReason) {
    ASSERT_EQ(::mkfifo(folder_.file("fifo.qmc").c_str(), 0600), 0);
    struct Case {
        std::string input;
        std::string reason;
    };
    for (const Case& c :
         {Case{folder_.file("fifo.qmc"), "通常のファイルではありません"},
          Case{folder_.path().string(), "フォルダです"},
          Case{folder_.file("missing.qmc"), "ファイルまたはフォルダがありません"}}) {
        Outcome outcome = run("--unit C convert '" + c.input + "' " + quoted("out.csv"));
        EXPECT_EQ(outcome.status, 1) << c.input;
        EXPECT_EQ(outcome.errors,
                  testing::ErrorLines("File Load Error !\n" + c.input + ": " + c.reason + "\n"));
    }
    std::filesystem::create_directories(folder_.file("config/MORVA/VESTRA2/Config"));
    ASSERT_EQ(::mkfifo(folder_.file("config/MORVA/VESTRA2/Config/VESTRA.INI").c_str(), 0600), 0);
    EXPECT_EQ(run("convert " + quoted("in.qmc") + " " + quoted("out.csv")).status, 0);
}

TEST_F(CliConvertTest, VersionHelpAndOptionsWithEqualsSign) {
    std::string out = folder_.file("stdout");
    EXPECT_EQ(run("--version >'" + out + "'").status, 0);
    EXPECT_EQ(testing::ReadBytes(out), "vestra-cli 2.0.0\n");
    EXPECT_EQ(run("convert --help >'" + out + "'").status, 0);
    EXPECT_TRUE(testing::ReadBytes(out).starts_with("Usage: vestra-cli [global options] convert "));
    EXPECT_EQ(run("--unit=C convert " + quoted("in.qmc") + " " + quoted("eq.csv")).status, 0);
    EXPECT_EQ(testing::ReadBytes(folder_.file("eq.csv")), expected("small.csv"));
    EXPECT_EQ(run("--unit=X convert " + quoted("in.qmc") + " " + quoted("eq.csv")).status, 2);
}

TEST_F(CliConvertTest, StandardInputAndOutputStandInForFiles) {
    std::string out = folder_.file("stdout");
    EXPECT_EQ(
        run("--unit C convert --format=csv - - <" + quoted("in.qmc") + " >'" + out + "'").status,
        0);
    EXPECT_EQ(testing::ReadBytes(out), expected("small.csv"));
    EXPECT_EQ(run("convert - " + quoted("copy.qmc") + " <" + quoted("in.qmc")).status, 0);
    EXPECT_EQ(testing::ReadBytes(folder_.file("copy.qmc")), testing::ReadBytes(input_));
    // Without --format the format of standard output is unknown.
    EXPECT_EQ(run("convert " + quoted("in.qmc") + " -").status, 2);
    Outcome garbage = run("convert - " + quoted("x.csv") + " </dev/zero");
    EXPECT_EQ(garbage.status, 1);
    EXPECT_EQ(garbage.errors,
              testing::ErrorLines("File Load Error !\n標準入力: データファイルではありません\n"));
}

// The report is laid out by a program of its own; the tool itself loads no Qt.
TEST_F(CliConvertTest, PdfComesFromTheReportProgramAndTheToolLoadsNoQt) {
    std::string out = folder_.file("stdout");
    EXPECT_EQ(run("--unit C convert " + quoted("in.qmc") + " - --format pdf >'" + out + "'").status,
              0);
    std::string pdf = testing::ReadBytes(out);
    EXPECT_TRUE(pdf.starts_with("%PDF-"));
    EXPECT_NE(pdf.find("%%EOF", pdf.size() - 8), std::string::npos);
    std::string libraries = folder_.file("ldd");
    ASSERT_EQ(std::system(("ldd '" VESTRA_CLI_PATH "' >'" + libraries + "'").c_str()), 0);
    EXPECT_EQ(testing::ReadBytes(libraries).find("Qt"), std::string::npos);
}

// A reader that stops early (| head) ends the tool quietly, as any filter ends.
TEST_F(CliConvertTest, AClosedPipeEndsQuietly) {
    std::string errors = folder_.file("stderr");
    std::string status = folder_.file("status");
    std::string command = "bash -c \"set -o pipefail; (sleep 0.3; exec '" +
                          std::string(VESTRA_CLI_PATH) + "' --unit C convert " + quoted("in.qmc") +
                          " - --format txt 2>'" + errors + "') | true; echo \\$? >'" + status +
                          "'\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(testing::ReadBytes(status), "141\n");
    EXPECT_EQ(testing::ReadBytes(errors), "");
}

// A standard output the caller closed is a save error with the table's words for it.
TEST_F(CliConvertTest, AClosedStandardOutputIsASaveErrorWithItsReason) {
    Outcome closed = run("--unit C convert " + quoted("in.qmc") + " - --format csv >&-");
    EXPECT_EQ(closed.status, 1);
    EXPECT_EQ(closed.errors,
              testing::ErrorLines("File Save Error !\n標準出力: " + FileFaultText(EBADF) + "\n"));
}

// JSON, and CSV or text in UTF-8, by the output's name or for standard output by --format.
TEST_F(CliConvertTest, JsonAndUtf8AreWrittenWhenAsked) {
    std::string out = folder_.file("stdout");
    ASSERT_EQ(run("--unit C convert " + quoted("in.qmc") + " " + quoted("out.JSON")).status, 0);
    std::string json = testing::ReadBytes(folder_.file("out.JSON"));
    EXPECT_EQ(nlohmann::json::parse(json).value("kind", ""), "data-set");
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"- --format json >'" + out + "'", out, json},
        {"- --format csv --encoding utf-8 >'" + out + "'", out,
         "\xEF\xBB\xBF" + FromCp932(expected("small.csv"))},
        {quoted("u.txt") + " --encoding=UTF-8", folder_.file("u.txt"),
         FromCp932(expected("small.txt"))},
    };
    for (const auto& [args, output, bytes] : cases) {
        EXPECT_EQ(run("--unit C convert " + quoted("in.qmc") + " " + args).status, 0) << args;
        EXPECT_EQ(testing::ReadBytes(output), bytes) << args;
    }
}

TEST_F(CliConvertTest, UnsupportedOutputIsBadInput) {
    Outcome other = run("convert " + quoted("in.qmc") + " " + quoted("out.qmf"));
    EXPECT_EQ(other.status, 2);
    EXPECT_EQ(other.errors, testing::ErrorLines("ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。\n"));
    EXPECT_EQ(run("convert " + quoted("in.qmc") + " " + quoted("out")).status, 2);
    EXPECT_EQ(folder_.entryCount(), 2); // in.qmc, stderr
}

TEST_F(CliConvertTest, WritesThePrintedReportAsPdf) {
    Outcome pdf = run("convert " + quoted("in.qmc") + " " + quoted("out.PDF"));
    EXPECT_EQ(pdf.status, 0) << pdf.errors;
    EXPECT_EQ(testing::ReadBytes(folder_.file("out.PDF")).substr(0, 5), "%PDF-");
    std::string text = folder_.file("out.text");
    std::string command = "pdftotext -layout '" + folder_.file("out.PDF") + "' '" + text + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::string report = testing::ReadBytes(text);
    const DataSet data = testing::SmallDataSet();
    EXPECT_NE(report.find(data.deviceLabel), std::string::npos) << report;
    EXPECT_NE(report.find(data.group(1).tag), std::string::npos) << report;
}

// Each mistake is one line naming it; a word the tool does not know points to the help.
TEST_F(CliConvertTest, BadUsageIsOneLineNamingTheMistake) {
    struct Case {
        const char* args;
        const char* line;
    };
    for (const Case& c : {
             Case{"", "no command given\nsee vestra-cli --help"},
             Case{"--unit", "--unit: 1 required TEXT missing"},
             Case{"--unit K convert a.qmc b.csv", "bad value for --unit: 'K' (C|F)"},
             Case{"frobnicate", "unknown command or argument 'frobnicate'\nsee vestra-cli --help"},
             Case{"convert --bogus=1 a.qmc b.csv",
                  "unknown option '--bogus'\nsee vestra-cli --help"},
             Case{"--port x convert a.qmc b.csv", "unknown option '--port'\nsee vestra-cli --help"},
             Case{"convert a.qmc b.csv c.txt",
                  "wrong operands for convert; see vestra-cli convert --help"},
             Case{"convert --format xls a.qmc -",
                  "bad value for --format: 'xls' (csv|txt|qmc|qmf|pdf|json)"},
             Case{"convert --encoding latin1 a.qmc b.csv",
                  "bad value for --encoding: 'latin1' (cp932|utf-8)"},
             Case{"convert a.qmc -", "standard output has no extension: name --format"},
             Case{"convert --encoding utf-8 a.qmc b.qmc",
                  "--encoding applies to CSV and text outputs only"},
             Case{"convert --encoding=utf-8 a.qmc b.PDF",
                  "--encoding applies to CSV and text outputs only"},
             Case{"convert --encoding cp932 a.qmc - --format json",
                  "--encoding applies to CSV and text outputs only"},
         }) {
        Outcome usage = run(c.args);
        EXPECT_EQ(usage.status, 2) << c.args;
        EXPECT_EQ(usage.errors, testing::ErrorLines(std::string(c.line) + '\n')) << c.args;
    }
    EXPECT_EQ(folder_.entryCount(), 2); // in.qmc, stderr
}

// Global options stand before or after the command; "--" makes the rest operands.
TEST_F(CliConvertTest, OptionsInAnyOrderAndDashDashEndsThem) {
    testing::WriteBytes(folder_.file("-x.qmc"), testing::ReadBytes(input_));
    std::string inFolder = "cd '" + folder_.path().string() + "' && ";
    for (const std::string& args : {std::string("convert in.qmc a.csv --unit C --quiet"),
                                    std::string("convert --unit=C -- -x.qmc a.csv")}) {
        Outcome outcome = testing::RunTool(folder_, VESTRA_CLI_PATH, args, inFolder);
        EXPECT_EQ(outcome.status, 0) << args << outcome.errors;
        EXPECT_EQ(testing::ReadBytes(folder_.file("a.csv")), expected("small.csv")) << args;
        std::filesystem::remove(folder_.file("a.csv"));
    }
}

// A user without privilege saving to a name in a folder like /tmp: a link there of its own is
// followed, one of another user is refused, as the kernel decides for a plain open.
TEST_F(CliConvertTest, AnotherUsersLinkInASharedFolderIsRefusedToAPlainUser) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs a second user";
    }
    namespace fs = std::filesystem;
    const fs::path home = folder_.file("home"), shelf = folder_.file("shelf");
    fs::permissions(folder_.path(), fs::perms::owner_all | fs::perms::others_exec);
    fs::permissions(input_, fs::perms::owner_read | fs::perms::others_read);
    fs::create_directory(home);
    ASSERT_EQ(::chown(home.c_str(), 4242, 4242), 0);
    fs::create_directory(shelf);
    fs::permissions(shelf, fs::perms::all | fs::perms::sticky_bit);
    const fs::path target = home / "precious.csv", link = shelf / "report.csv";
    for (auto [linkOwner, followed] : {std::pair{4243u, false}, std::pair{4242u, true}}) {
        testing::WriteBytes(target.string(), "precious");
        fs::create_symlink(target, link);
        ASSERT_EQ(::lchown(link.c_str(), linkOwner, linkOwner), 0);
        Outcome outcome = testing::RunTool(
            folder_, VESTRA_CLI_PATH, "--unit C convert '" + input_ + "' '" + link.string() + "'",
            "setpriv --reuid=4242 --regid=4242 --clear-groups env ");
        EXPECT_EQ(outcome.status, followed ? 0 : 1) << outcome.errors;
        EXPECT_EQ(testing::ReadBytes(target.string()) == expected("small.csv"), followed);
        fs::remove(link);
    }
}

// A data file says its unit in its first record: without --unit it is read in that unit,
// whatever the settings file's unit; a --unit that names the other is refused with the file's.
TEST_F(CliConvertTest, TheFilesOwnUnitDecidesAndAGivenUnitMustMatchIt) {
    DataStore store;
    store.currentData = testing::SmallDataSet();
    testing::RecordingMessages messages;
    ASSERT_TRUE(SaveDataFile(folder_.file("in.qmf"), store, TemperatureUnit::Fahrenheit, messages));
    std::string settingsFolder = folder_.file("config/MORVA/VESTRA2/Config");
    std::filesystem::create_directories(settingsFolder);
    struct Case {
        const char* input;
        const char* unit;
        TemperatureUnit stored;
        const char* output;
        int status;
        std::string errors;
    };
    const Case cases[] = {
        {"in.qmc", "", TemperatureUnit::Celsius, "c.qmc", 0, ""},
        {"in.qmc", "", TemperatureUnit::Fahrenheit, "cf.qmc", 0, ""},
        {"in.qmf", "", TemperatureUnit::Celsius, "f.qmf", 0, ""},
        {"in.qmf", "--unit C ", TemperatureUnit::Celsius, "x.csv", 2,
         folder_.file("in.qmf") +
             " はﾟF のデータファイルです。--unit は F にするか、省略してください"},
        {"in.qmc", "--unit F ", TemperatureUnit::Fahrenheit, "y.csv", 2,
         folder_.file("in.qmc") +
             " はﾟC のデータファイルです。--unit は C にするか、省略してください"},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.CurrentUnit = c.stored;
        ASSERT_TRUE(SaveSettings(settingsFolder + "/VESTRA.INI", settings));
        Outcome outcome =
            run(std::string(c.unit) + "convert " + quoted(c.input) + " " + quoted(c.output));
        EXPECT_EQ(outcome.status, c.status) << c.input << c.unit;
        EXPECT_EQ(outcome.errors, c.errors.empty() ? "" : testing::ErrorLines(c.errors + "\n"));
        EXPECT_TRUE(testing::ReadBytes(folder_.file(c.output)) ==
                    (c.status == 0 ? testing::ReadBytes(folder_.file(c.input)) : ""))
            << c.input << c.unit;
    }
}

} // namespace
} // namespace vestra
