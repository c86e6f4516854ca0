#include "SampleData.h"
#include "TempFolder.h"
#include "files/DataFile.h"
#include "shell/Common.h"
#include "shell/Settings.h"
#include "support/RecordingMessages.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

#if !defined(VESTRA_CLI_PATH) || !defined(VESTRA_EXPECTED_DIR)
#error "VESTRA_CLI_PATH and VESTRA_EXPECTED_DIR must be defined"
#endif

namespace vestra {
namespace {

struct Outcome {
    int status;
    std::string errors;
};

class CliConvertTest : public ::testing::Test {
protected:
    void SetUp() override {
        DataStore store;
        store.currentData = testing::SmallDataSet();
        testing::RecordingMessages messages;
        ASSERT_TRUE(SaveDataFile(input_, store, kUnitCelsius, messages));
    }

    // Runs the tool with its settings under the test's folder, so a user's own settings file
    // never decides the unit.
    Outcome run(const std::string& args) {
        std::string errors = folder_.file("stderr");
        std::string command = "XDG_CONFIG_HOME='" + folder_.file("config") + "' '" +
                              VESTRA_CLI_PATH + "' " + args + " 2>'" + errors + "'";
        int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, testing::ReadBytes(errors)};
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
    EXPECT_EQ(bad.errors, "File Load Error !\n");
    EXPECT_FALSE(testing::ReadBytes(folder_.file("out.csv")).size() > 0);
    EXPECT_EQ(run("convert " + quoted("missing.qmc") + " " + quoted("out.csv")).status, 1);
    // A Celsius file read as Fahrenheit is refused too.
    EXPECT_EQ(run("--unit F convert " + quoted("in.qmc") + " " + quoted("out.csv")).status, 1);
    EXPECT_EQ(folder_.entryCount(), 3); // in.qmc, bad.qmc, stderr
}

TEST_F(CliConvertTest, UnsupportedOutputIsBadInput) {
    Outcome other = run("convert " + quoted("in.qmc") + " " + quoted("out.qmf"));
    EXPECT_EQ(other.status, 2);
    EXPECT_EQ(other.errors, "ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。\n");
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

TEST_F(CliConvertTest, BadUsagePrintsTheUsage) {
    for (const char* args : {"", "convert", "--unit", "--unit K convert a.qmc b.csv", "frobnicate",
                             "convert a.qmc b.csv c.txt"}) {
        Outcome usage = run(args);
        EXPECT_EQ(usage.status, 2) << args;
        EXPECT_NE(usage.errors.find("usage: vestra-cli [--unit C|F] convert INPUT OUTPUT"),
                  std::string::npos)
            << args;
    }
}

TEST_F(CliConvertTest, DefaultUnitComesFromTheSettingsFile) {
    std::string settingsFolder = folder_.file("config/MORVA/VESTRA2/Config");
    std::filesystem::create_directories(settingsFolder);
    Settings settings;
    settings.CurrentUnit = kUnitFahrenheit;
    ASSERT_TRUE(SaveSettings(settingsFolder + "/VESTRA.INI", settings));
    EXPECT_EQ(run("convert " + quoted("in.qmc") + " " + quoted("out.csv")).status, 1);
    EXPECT_EQ(run("--unit C convert " + quoted("in.qmc") + " " + quoted("out.csv")).status, 0);
}

} // namespace
} // namespace vestra
