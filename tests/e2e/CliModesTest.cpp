#include "CliLinkTest.h"
#include "base/DateTime.h"
#include "base/TemperatureUnit.h"
#include "base/TextCodec.h"
#include "files/DataFile.h"
#include "support/ToolRun.h"

#include <nlohmann/json.hpp>

namespace vestra::testing {
namespace {

using Strings = std::vector<std::string>;

const std::string kImported12 = "正常終了。\n全部で12件のﾒﾓﾘﾃﾞｰﾀを取り込みました。\n";

// The simulator's built-in memory: label LINE-A, groups OVEN and PIPE with their own limits,
// 12 readings in groups 1 to 3.
class CliModesTest : public CliLinkTest {
protected:
    void SetUp() override { startSim(); }
};

TEST_F(CliModesTest, ImportSavesEachFormatFromTheThermometersMemory) {
    CliOutcome native = cli({"import", "--port", port(), folder.file("m.QMC")});
    EXPECT_EQ(native.status, 0) << native.err;
    EXPECT_EQ(native.out, kImported12);
    EXPECT_EQ(native.err, "");
    EXPECT_EQ(simLog(), (Strings{"HEL", "MEM", "BYE"}));
    std::optional<DataSet> data =
        DecodeDataFile(ReadBytes(folder.file("m.QMC")), TemperatureUnit::Celsius);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->deviceLabel, "LINE-A");
    EXPECT_EQ(data->totalCount, 12);
    EXPECT_EQ(data->group(1).tag, "OVEN");
    EXPECT_EQ(data->group(2).alarmHigh, 90.0f);
    EXPECT_EQ(data->group(3).recordValues, (std::vector<float>{22.4f, -12.5f, 0.0f, 480.9f}));

    EXPECT_EQ(cli({"import", "--port", port(), folder.file("m.csv")}).status, 0);
    std::string csv = FromCp932(ReadBytes(folder.file("m.csv")));
    EXPECT_NE(csv.find("PIPE"), std::string::npos);
    EXPECT_NE(csv.find("480.9"), std::string::npos);

    CliOutcome text = cli({"--unit", "C", "import", "--port", port(), folder.file("m.txt")});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out, kImported12);
    CliOutcome quiet = cli({"import", "--port", port(), "--quiet"});
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.err, "");
    CliOutcome report = cli({"import", "--port", port()});
    EXPECT_EQ(report.status, 0);
    // Without a file the report goes to standard output, the completion to standard error.
    EXPECT_EQ(report.err, ErrorLines(kImported12));
    Strings fileLines = Lines(FromCp932(ReadBytes(folder.file("m.txt"))));
    Strings shownLines = Lines(report.out);
    ASSERT_EQ(fileLines.size(), shownLines.size());
    ASSERT_GT(fileLines.size(), 2u);
    EXPECT_EQ(fileLines[0].back(), '\r') << "the file keeps CR LF";
    // Line 2 holds the thermometer's clock at the moment of each import.
    for (std::size_t i : {0u, 2u, 3u, 4u}) {
        EXPECT_EQ(fileLines[i], shownLines[i] + "\r");
    }
    EXPECT_EQ(fileLines.back(), shownLines.back() + "\r");
    EXPECT_EQ(shownLines[4], "全収録数    12件");
    EXPECT_EQ(simLog().size(), 15u) << "five connections of three commands";
}

TEST_F(CliModesTest, ClockIsSetAndReadBack) {
    CliOutcome set = cli({"clock", "--port", port(), "--set", "2031-2-3 4:05:06"});
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out, "本体時計の設定を完了しました。\n");
    EXPECT_EQ(simLog(), (Strings{"HEL", "TIM 2031/02/03 04:05:06", "BYE"}));

    CliOutcome read = cli({"clock", "--port", port()});
    EXPECT_EQ(read.status, 0) << read.err;
    ASSERT_EQ(read.out.size(), 20u) << read.out;
    std::optional<DateTime> clock = ParseDateTime(read.out.substr(0, 19));
    ASSERT_TRUE(clock);
    // The thermometer's clock ran on during the two connections.
    double seconds = (ToOleDate(*clock) - ToOleDate({2031, 2, 3, 4, 5, 6})) * 86400;
    EXPECT_GE(seconds, 1.0);
    EXPECT_LE(seconds, 10.0);
    EXPECT_EQ(simLog(), (Strings{"HEL", "TIM 2031/02/03 04:05:06", "BYE", "HEL", "MEM T", "BYE"}));
}

TEST_F(CliModesTest, DeviceCommandsPrintJsonAHeaderOrAnotherEncodingOnlyWhenAsked) {
    for (const char* command : {"clock", "settings", "import"}) {
        CliOutcome json = cli({command, "--port", port(), "--json"});
        EXPECT_EQ(json.status, 0) << json.err;
        EXPECT_EQ(nlohmann::json::parse(json.out).value("kind", ""),
                  std::string(command) == "import" ? "data-set" : command);
    }
    CliOutcome clock = cli({"clock", "--port", port(), "--header"});
    EXPECT_EQ(clock.out.substr(0, 6), "clock\n");
    EXPECT_TRUE(ParseDateTime(clock.out.substr(6, 19))) << clock.out;
    CliOutcome report = cli({"import", "--port", port(), "--encoding", "cp932"});
    EXPECT_EQ(Lines(FromCp932(report.out)).at(4), "全収録数    12件");
    EXPECT_EQ(report.out.find('\r'), std::string::npos);
}

TEST_F(CliModesTest, WrongClockIsRefusedBeforeAnyConnection) {
    for (const char* text : {"2080/01/01 00:00:00", "08/01/01 00:00:00", "2031/04/31 10:00:00",
                             "2031/01/01", "2031/01/01 10:00:00:00", "now"}) {
        CliOutcome wrong = cli({"clock", "--port", port(), "--set", text});
        EXPECT_EQ(wrong.status, 2) << text;
        EXPECT_EQ(wrong.err, ErrorLines("入力に誤りがあります！\n")) << text;
    }
    EXPECT_EQ(ReadBytes(folder.file("sim.log")), "");
}

TEST_F(CliModesTest, SettingsAreSentAndReadBackEqual) {
    CliOutcome shown = cli({"settings", "--port", port()});
    EXPECT_EQ(shown.status, 0) << shown.err;
    Strings lines = Lines(shown.out);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], "LABEL=LINE-A");
    EXPECT_EQ(lines[1], "01 OVEN 0.95 250 150");
    EXPECT_EQ(lines[15], "15 GROUP15 0.95 500 -40");

    lines[0] = "LABEL=ﾗｲﾝB";
    lines[3] = "03 ｵｰﾌﾞﾝ 1.00 -5 -40";
    std::string sent;
    for (const std::string& line : lines) {
        sent += line + "\n";
    }
    WriteBytes(folder.file("settings.txt"), sent);
    CliOutcome send = cli({"settings", "--port", port(), "--send", folder.file("settings.txt")});
    EXPECT_EQ(send.status, 0) << send.err;
    EXPECT_EQ(send.out, "本体の設定を完了しました。\n");
    Strings log = simLog();
    ASSERT_EQ(log.size(), 5u + 1 + 15 + 1);
    EXPECT_EQ(Strings(log.begin() + 3, log.begin() + 6), (Strings{"HEL", "RST", "LBL ﾗｲﾝB"}));
    EXPECT_EQ(log[8], "SET 03 ｵｰﾌﾞﾝ 1.00 -5 -40");

    CliOutcome again = cli({"settings", "--port", port()});
    EXPECT_EQ(again.out, sent);
}

TEST_F(CliModesTest, FaultySettingsFileIsNamedAndNothingIsSent) {
    WriteBytes(folder.file("bad.txt"),
               "LABEL=OK\n01 GROUP01 0.95 500 -40\n02 GROUP02 2.00 500 -40\n");
    CliOutcome bad = cli({"settings", "--port", port(), "--send", folder.file("bad.txt")});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, ErrorLines("入力に誤りがあります！\n" + folder.file("bad.txt") +
                                  " 3行目: 02 GROUP02 2.00 500 -40\n"));
    CliOutcome missing = cli({"settings", "--port", port(), "--send", folder.file("none.txt")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, ErrorLines("File Load Error !\n" + folder.file("none.txt") +
                                      ": ファイルまたはフォルダがありません\n"));
    // A control character would reach the thermometer's command line raw.
    WriteBytes(folder.file("esc.txt"), "LABEL=VES\x1bTRA\n");
    CliOutcome esc = cli({"settings", "--port=" + port(), "--send=" + folder.file("esc.txt")});
    EXPECT_EQ(esc.status, 2);
    EXPECT_EQ(esc.err.find('\x1b'), std::string::npos)
        << "the refused line reached the terminal raw";
    EXPECT_EQ(ReadBytes(folder.file("sim.log")), "");
}

TEST_F(CliModesTest, ClearLeavesNoReadingsAndResetRestoresTheFactorySettings) {
    CliOutcome clear = cli({"clear", "--port", port()});
    EXPECT_EQ(clear.status, 0) << clear.err;
    EXPECT_EQ(clear.out, "本体ﾒﾓﾘの消去を完了しました。\n");
    CliOutcome empty = cli({"import", "--port", port(), folder.file("empty.qmc")});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "正常終了。\n本体に収録されているﾒﾓﾘﾃﾞｰﾀはありませんでした。\n");
    EXPECT_EQ(Lines(cli({"settings", "--port", port()}).out)[0], "LABEL=LINE-A");

    CliOutcome reset = cli({"reset", "--port", port()});
    EXPECT_EQ(reset.status, 0) << reset.err;
    EXPECT_EQ(reset.out, "本体を工場出荷状態に戻しました。\n");
    Strings settings = Lines(cli({"settings", "--port", port()}).out);
    ASSERT_EQ(settings.size(), 16u);
    EXPECT_EQ(settings[0], "LABEL=VESTRA");
    EXPECT_EQ(settings[1], "01 GROUP01 0.95 500 -40");
    EXPECT_EQ(simLog(), (Strings{"HEL", "CLR", "BYE", "HEL", "MEM", "BYE", "HEL", "MEM S", "BYE",
                                 "HEL", "RST", "BYE", "HEL", "MEM S", "BYE"}));
}

TEST_F(CliModesTest, PortNamedComIsTheDeviceOfTheSettingsFile) {
    std::string config = folder.file("config/MORVA/VESTRA2/Config");
    std::filesystem::create_directories(config);
    WriteBytes(config + "/VESTRA.INI", "[Ports]\r\nCOM7=" + port() + "\r\n");
    CliOutcome read = cli({"clock", "--port", "com7"});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(simLog(), (Strings{"HEL", "MEM T", "BYE"}));
}

TEST_F(CliModesTest, BadUsageTouchesNoPort) {
    for (Strings args : {Strings{"import"}, Strings{"import", "--port"},
                         Strings{"import", "--port", port(), "a.csv", "b.csv"},
                         Strings{"clock", "--port", port(), "extra"},
                         Strings{"settings", "--port", port(), "--port", port()},
                         Strings{"clear", "--port", port(), "--set", "x"}}) {
        CliOutcome usage = cli(args);
        EXPECT_EQ(usage.status, 2) << args.back();
        EXPECT_TRUE(usage.err.starts_with("vestra-cli: ")) << usage.err;
    }
    CliOutcome other = cli({"import", "--port", port(), folder.file("m.qmf")});
    EXPECT_EQ(other.status, 2);
    EXPECT_EQ(other.err, ErrorLines("ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。\n"));
    EXPECT_EQ(ReadBytes(folder.file("sim.log")), "");
    EXPECT_EQ(folder.entryCount(), 1); // the simulator's empty log
}

} // namespace
} // namespace vestra::testing
