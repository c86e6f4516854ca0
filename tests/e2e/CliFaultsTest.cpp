#include "CliLinkTest.h"
#include "support/ToolRun.h"

#include <chrono>
#include <thread>

namespace vestra::testing {
namespace {

using Strings = std::vector<std::string>;

const std::string kNoResponse = "本体からの応答がありません。\n";
const std::string kBadData = "受信ﾃﾞｰﾀ異常。\n本ｿﾌﾄではｻﾎﾟｰﾄされていないﾃﾞｰﾀです。\n";
const std::string kBattery = "本体からﾊﾞｯﾃﾘｰｱﾗｰﾑを受信しました。\n電池を交換して下さい。\n";
const std::string kFailed = "本体との通信に失敗しました。\n通信環境が異常です!\n";
const std::string kOldFile = "an earlier export\r\n";

// Each fault ends the import with the message the application would show, exit status 4, a
// farewell sent all the same, and the file that was to be written as it was before.
class CliFaultsTest : public CliLinkTest {
protected:
    void SetUp() override { WriteBytes(output(), kOldFile); }

    std::string output() const { return folder.file("out.csv"); }

    void expectFailedImport(const std::string& message, const Strings& log,
                            const Strings& unit = {}) {
        Strings args = unit;
        args.insert(args.end(), {"import", "--port", port(), output()});
        CliOutcome outcome = cli(args);
        EXPECT_EQ(outcome.status, 4);
        EXPECT_EQ(outcome.err, ErrorLines(message));
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(simLog(), log);
        EXPECT_EQ(ReadBytes(output()), kOldFile);
        EXPECT_EQ(folder.entryCount(), 2) << "out.csv and sim.log only";
    }
};

TEST_F(CliFaultsTest, SilentThermometerGivesNoResponse) {
    startSim({"--fault", "silent"});
    expectFailedImport(kNoResponse, {"HEL", "BYE"});
}

TEST_F(CliFaultsTest, RefusalsGiveTheirOwnMessages) {
    startSim({"--fault", "ng1"});
    expectFailedImport(kBattery, {"HEL", "MEM", "BYE"});
    sim.reset();
    std::filesystem::remove(folder.file("sim.log"));
    startSim({"--fault", "ng3:0"});
    expectFailedImport(kFailed, {"HEL", "BYE"});
}

TEST_F(CliFaultsTest, GarbageReplyIsUnsupportedData) {
    startSim({"--fault", "garbage"});
    expectFailedImport(kBadData, {"HEL", "MEM", "BYE"});
}

TEST_F(CliFaultsTest, OverlongLineIsUnsupportedData) {
    startSim({"--fault", "long-line:31"});
    expectFailedImport(kBadData, {"HEL", "MEM", "BYE"});
}

TEST_F(CliFaultsTest, DumpOfTheOtherUnitIsUnsupportedData) {
    startSim({"--unit", "F"});
    expectFailedImport(kBadData, {"HEL", "MEM", "BYE"}, {"--unit", "C"});
}

TEST_F(CliFaultsTest, ThermometerSwitchedOffMidDumpGivesNoResponse) {
    startSim({"--fault", "cut:20"});
    expectFailedImport(kNoResponse, {"HEL", "MEM", "BYE"});
}

// Unplugged or killed half-way: the line itself goes away, which is a line error, not silence.
TEST_F(CliFaultsTest, DeviceVanishingMidDumpIsACommunicationFailure) {
    startSim({"--pace", "--readings", "150"});
    std::string device = port();
    CliOutcome outcome;
    std::thread import([&] { outcome = cli({"import", "--port", device, output()}); });
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    sim.reset();
    import.join();
    EXPECT_EQ(outcome.status, 4);
    EXPECT_EQ(outcome.err, ErrorLines(kFailed));
    EXPECT_EQ(ReadBytes(output()), kOldFile);
}

TEST_F(CliFaultsTest, SlowLinesWithinTheLimitsAreWaitedFor) {
    // Each line in two pieces 1.5 s apart: no gap reaches 2.1 s, no line takes 5.1 s.
    startSim({"--fault", "slow:1500:2"});
    CliOutcome clear = cli({"clear", "--port", port()});
    EXPECT_EQ(clear.status, 0) << clear.err;
    EXPECT_EQ(clear.out, "本体ﾒﾓﾘの消去を完了しました。\n");
    EXPECT_EQ(simLog(), (Strings{"HEL", "CLR", "BYE"}));
}

TEST_F(CliFaultsTest, SilenceOfMoreThanTwoSecondsInALineIsNoResponse) {
    startSim({"--fault", "slow:2500:1"});
    expectFailedImport(kNoResponse, {"HEL", "BYE"});
}

TEST_F(CliFaultsTest, LineTakingLongerThanFiveSecondsIsNoResponse) {
    // Gaps of 1.4 s are each short enough, but the reply is not complete after 5.1 s.
    startSim({"--fault", "slow:1400:4"});
    expectFailedImport(kNoResponse, {"HEL", "BYE"});
}

TEST_F(CliFaultsTest, MissingDeviceIsAPortError) {
    std::string device = folder.file("ttyNONE");
    CliOutcome outcome = cli({"import", "--port", device, output()});
    EXPECT_EQ(outcome.status, 3);
    EXPECT_EQ(outcome.err,
              ErrorLines("選択されている通信ﾎﾟｰﾄは使用できません。\n別ﾎﾟｰﾄを選択して下さい。\n" +
                         device + " が見つかりません。\n"));
    EXPECT_EQ(ReadBytes(output()), kOldFile);
    EXPECT_EQ(folder.entryCount(), 1);
}

} // namespace
} // namespace vestra::testing
