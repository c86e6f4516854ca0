#include "serial/PosixSerialPort.h"
#include "support/SimProcess.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vestra {
namespace {

using Clock = std::chrono::steady_clock;

class SimProcess : public testing::SimProcess {
public:
    explicit SimProcess(std::vector<std::string> args)
        : testing::SimProcess(VESTRA_SIM_PROGRAM, std::move(args)) {}
};

// Sends a command and collects the answer until the line has been quiet for quietTicks.
std::string Exchange(SerialPort& port, std::string_view command, int quietTicks = 3) {
    port.write(std::string(command) + "\r\n");
    port.drain();
    port.resetTicks();
    std::string received;
    for (int idle = 0; idle < quietTicks;) {
        PortEvent event = port.waitEvent();
        if (event == PortEvent::Received) {
            received += port.readAll();
            idle = 0;
        } else if (event == PortEvent::Tick) {
            ++idle;
        } else {
            break;
        }
    }
    return received;
}

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + name + "-" + std::to_string(getpid());
}

TEST(SimProgramTest, AnswersOnItsLinkLogsCommandsAndCleansUpOnTerminate) {
    std::string link = TempPath("vestra-sim-link");
    std::string log = TempPath("vestra-sim-log");
    SimProcess sim({"--link", link, "--log", log});
    ASSERT_FALSE(sim.slavePath().empty());
    char target[256] = {};
    ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(sim.slavePath(), target);

    PosixSerialPort port(link);
    std::string reason;
    ASSERT_TRUE(port.open(reason)) << reason;
    EXPECT_EQ(Exchange(port, "MEM T"), ""); // asleep until greeted
    EXPECT_EQ(Exchange(port, "HEL"), "OK\r\n");
    EXPECT_EQ(Exchange(port, "LBL ABC"), "OK\r\n");
    EXPECT_EQ(Exchange(port, "MEM S").substr(0, 15), "OK\r\nLABEL=ABC\r\n");
    port.write("BYE\r\n");
    port.drain();
    port.close();

    // A second connection on the same line finds the label it was given.
    ASSERT_TRUE(port.open(reason)) << reason;
    Exchange(port, "HEL");
    EXPECT_EQ(Exchange(port, "MEM S").substr(0, 15), "OK\r\nLABEL=ABC\r\n");
    port.close();

    EXPECT_EQ(sim.stop(), 0);
    struct stat st {};
    EXPECT_NE(lstat(link.c_str(), &st), 0) << "the link outlived the simulator";
    std::ifstream in(log);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, "MEM T\nHEL\nLBL ABC\nMEM S\nBYE\nHEL\nMEM S\n");
    std::remove(log.c_str());
}

TEST(SimProgramTest, MemoryFileIsSentInCodePage932) {
    std::string memory = TempPath("vestra-sim-memory");
    std::ofstream(memory) << "LABEL=ﾗｲﾝ\nPRINT 2010/01/02 03:04:05\nNO.1\nTAG=ｵｰﾌﾞﾝ\n";
    SimProcess sim({"--memory", memory});
    PosixSerialPort port(sim.slavePath());
    std::string reason;
    ASSERT_TRUE(port.open(reason)) << reason;
    Exchange(port, "HEL");
    std::string dump = Exchange(port, "MEM");
    EXPECT_EQ(dump.substr(0, 26), "OK\r\nLABEL=\xD7\xB2\xDD\r\nPRINT 2010/");
    EXPECT_NE(dump.find("TAG=\xB5\xB0\xCC\xDE\xDD\r\n"), std::string::npos);
    std::remove(memory.c_str());
}

// A FIFO would block the simulator before it listens for its stop signal.
TEST(SimProgramTest, AMemoryFileThatIsNoRegularFileIsRefused) {
    std::string fifo = TempPath("vestra-sim-fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string errors = fifo + ".err";
    std::string command = "timeout -s KILL 10 '" VESTRA_SIM_PROGRAM "' --memory '" + fifo +
                          "' >/dev/null 2>'" + errors + "'";
    int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    std::ifstream in(errors);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, "vestra-sim: cannot read the memory file " + fifo +
                        ": 通常のファイルではありません\n");
    std::remove(fifo.c_str());
    std::remove(errors.c_str());
}

// A log the simulator may not or cannot write ends it before it listens: another user's link in
// a shared sticky folder (its target kept whole), a folder that is not there.
TEST(SimProgramTest, ALogThatCannotBeOpenedEndsTheSimulatorBeforeItStarts) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "a link of another user needs root";
    }
    namespace fs = std::filesystem;
    fs::path shared = TempPath("vestra-sim-shared");
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    std::string precious = TempPath("vestra-sim-precious");
    std::ofstream(precious) << "precious";
    fs::create_symlink(precious, shared / "sim.log");
    ASSERT_EQ(::lchown((shared / "sim.log").c_str(), 4242, 4242), 0);
    std::string errors = shared.string() + ".err";
    const std::pair<std::string, std::string> cases[] = {
        {(shared / "sim.log").string(), "共有フォルダにある他のユーザーのシンボリックリンクです"},
        {(shared / "missing/sim.log").string(), "ファイルまたはフォルダがありません"},
    };
    for (const auto& [log, why] : cases) {
        std::string command = "timeout -s KILL 5 '" VESTRA_SIM_PROGRAM "' --log '" + log +
                              "' >/dev/null 2>'" + errors + "'";
        int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << log << " " << status;
        std::ifstream in(errors);
        std::string text((std::istreambuf_iterator<char>(in)), {});
        EXPECT_EQ(text, "vestra-sim: ログファイルを開けません: " + log + ": " + why + "\n");
    }
    std::ifstream kept(precious);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(kept)), {}), "precious");
    fs::remove_all(shared);
    fs::remove(precious);
    fs::remove(errors);
}

TEST(SimProgramTest, PacedOutputTakesTheTimeOfTheWire) {
    SimProcess sim({"--pace"});
    PosixSerialPort port(sim.slavePath());
    std::string reason;
    ASSERT_TRUE(port.open(reason)) << reason;
    Exchange(port, "HEL");
    auto start = Clock::now();
    std::string dump = Exchange(port, "MEM S");
    auto elapsed = Clock::now() - start;
    ASSERT_GT(dump.size(), 900u);
    // 480 bytes a second; the three quiet ticks at the end only add to the time.
    auto wire = std::chrono::milliseconds(dump.size() * 1000 / 480);
    EXPECT_GT(elapsed, wire * 9 / 10);
}

} // namespace
} // namespace vestra
