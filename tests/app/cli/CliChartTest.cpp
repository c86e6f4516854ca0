#include "base/TemperatureUnit.h"
#include "files/DataFile.h"
#include "files/SampleData.h"
#include "files/TempFolder.h"
#include "support/RecordingMessages.h"
#include "support/ToolRun.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

#if !defined(VESTRA_CLI_PATH)
#error "VESTRA_CLI_PATH must be defined"
#endif

namespace vestra {
namespace {

using Outcome = testing::ToolOutcome;

class CliChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        DataStore store;
        store.currentData = testing::SmallDataSet();
        testing::RecordingMessages messages;
        ASSERT_TRUE(
            SaveDataFile(folder_.file("in.qmc"), store, TemperatureUnit::Celsius, messages));
        ASSERT_TRUE(
            SaveDataFile(folder_.file("in.qmf"), store, TemperatureUnit::Fahrenheit, messages));
    }

    // The tool's settings live under the test's folder, so the user's own never decide the unit.
    Outcome run(const std::string& args) {
        return testing::RunTool(folder_, VESTRA_CLI_PATH, "--unit C chart " + args);
    }
    std::string quoted(const std::string& name) { return "'" + folder_.file(name) + "'"; }
    std::string bytes(const std::string& name) { return testing::ReadBytes(folder_.file(name)); }

    testing::TempFolder folder_{"vestra-cli-chart"};
};

// The width and height a PNG's header gives, big-endian at bytes 16 and 20.
std::pair<unsigned, unsigned> pngSize(const std::string& png) {
    auto word = [&png](std::size_t at) {
        unsigned value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            value = value << 8 | static_cast<unsigned char>(png.at(at + i));
        }
        return value;
    };
    return {word(16), word(20)};
}

TEST_F(CliChartTest, WritesTheSameSvgForTheSameInput) {
    ASSERT_EQ(run(quoted("in.qmc") + " 1 " + quoted("a.svg")).status, 0);
    ASSERT_EQ(run(quoted("in.qmc") + " 1 " + quoted("b.SVG")).status, 0);
    std::string svg = bytes("a.svg");
    EXPECT_EQ(svg, bytes("b.SVG"));
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("width=\"800\" height=\"400\""), std::string::npos);
    EXPECT_NE(svg.find("グループ１  BOILER"), std::string::npos);
    EXPECT_NE(svg.find("最大 120.0"), std::string::npos);
}

TEST_F(CliChartTest, WritesAPngOfTheAskedSize) {
    Outcome png = run(quoted("in.qmc") + " 2 " + quoted("c.png") + " --width 640 --height 300");
    ASSERT_EQ(png.status, 0) << png.errors;
    std::string image = bytes("c.png");
    ASSERT_GT(image.size(), 24u);
    EXPECT_EQ(image.substr(1, 3), "PNG");
    EXPECT_EQ(pngSize(image), (std::pair<unsigned, unsigned>{640, 300}));
}

struct StatusCase {
    const char* name;
    const char* args; // after the input file
    int status;
    const char* errors;
};

class CliChartStatusTest : public CliChartTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(CliChartStatusTest, ExitsAsConvertDoes) {
    Outcome outcome = run(quoted("in.qmc") + " " + GetParam().args);
    EXPECT_EQ(outcome.status, GetParam().status);
    EXPECT_NE(outcome.errors.find(GetParam().errors), std::string::npos) << outcome.errors;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliChartStatusTest,
    ::testing::Values(
        StatusCase{"GroupZero", "0 /tmp/x.svg", 2, "GROUP: '0'"},
        StatusCase{"GroupSixteen", "16 /tmp/x.svg", 2, "GROUP: '16'"},
        StatusCase{"GroupNotANumber", "one /tmp/x.svg", 2, "GROUP: 'one'"},
        StatusCase{"TooNarrow", "1 /tmp/x.svg --width 10", 2, "--width"},
        StatusCase{"MissingOutput", "1", 2, "wrong operands for chart"},
        StatusCase{"OtherExtension", "1 /tmp/x.csv", 2, "ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。"},
        StatusCase{"FolderMissing", "1 /nonexistent-vestra/x.svg", 1, "File Save Error !"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliChartTest, AnUnreadableInputIsAFileError) {
    Outcome missing = run(quoted("missing.qmc") + " 1 " + quoted("x.svg"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.errors.rfind(
                  "vestra-cli: File Load Error !\nvestra-cli: " + folder_.file("missing.qmc"), 0),
              0u)
        << missing.errors;
    EXPECT_TRUE(bytes("x.svg").empty());
}

// The file's own unit decides, as for convert; --unit C with a Fahrenheit file is refused.
TEST_F(CliChartTest, AFahrenheitFileIsDrawnInItsOwnUnit) {
    Outcome own = testing::RunTool(folder_, VESTRA_CLI_PATH,
                                   "chart " + quoted("in.qmf") + " 1 " + quoted("f.svg"));
    EXPECT_EQ(own.status, 0) << own.errors;
    EXPECT_NE(bytes("f.svg").find(UnitText(TemperatureUnit::Fahrenheit)), std::string::npos);
    EXPECT_EQ(run(quoted("in.qmf") + " 1 " + quoted("c.svg")).status, 2);
    EXPECT_FALSE(std::filesystem::exists(folder_.file("c.svg")));
}

} // namespace
} // namespace vestra
