#include "CliLinkTest.h"
#include "support/ToolRun.h"

#include <csignal>
#include <spawn.h>
#include <sys/stat.h>

namespace vestra::testing {
namespace {

using Strings = std::vector<std::string>;

const std::string kPortRefused =
    "選択されている通信ﾎﾟｰﾄは使用できません。\n別ﾎﾟｰﾄを選択して下さい。\n";
const std::string kUserAbort = "ﾕｰｻﾞによって中断されました。\n";
const std::string kOldFile = "an earlier export\r\n";

// The tool on the serial port as a user meets it there: held by another program, interrupted,
// traced, pointed at something that is no port.
class CliPortTest : public CliLinkTest {
protected:
    std::string output() const { return folder.file("out.csv"); }

    // Starts the tool without waiting for it; its output goes to files named after tag.
    pid_t startCli(const Strings& args, const std::string& tag) {
        std::string command = "exec env XDG_CONFIG_HOME=" + quoted(folder.file("config")) + " " +
                              quoted(VESTRA_CLI_PATH);
        for (const std::string& arg : args) {
            command += " " + quoted(arg);
        }
        command +=
            " >" + quoted(folder.file(tag + ".out")) + " 2>" + quoted(folder.file(tag + ".err"));
        const char* argv[] = {"/bin/sh", "-c", command.c_str(), nullptr};
        pid_t pid = -1;
        posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ);
        return pid;
    }
    // Waits for the tool; the raw wait status.
    int finishCli(pid_t pid) {
        int status = 0;
        waitpid(pid, &status, 0);
        return status;
    }
    std::string errOf(const std::string& tag) { return ReadBytes(folder.file(tag + ".err")); }

    // Waits (at most 20 s) until the thermometer has received line.
    bool simReceived(const std::string& line) {
        for (int attempt = 0; attempt < 400; ++attempt) {
            Strings lines = Lines(ReadBytes(folder.file("sim.log")));
            if (std::find(lines.begin(), lines.end(), line) != lines.end()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    // Waits (at most 20 s) until the thermometer's log ends with "BYE".
    Strings simLogAfterFarewell() {
        Strings lines;
        for (int attempt = 0; attempt < 400 && (lines.empty() || lines.back() != "BYE");
             ++attempt) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            lines = Lines(ReadBytes(folder.file("sim.log")));
        }
        return lines;
    }
};

// The first goes through a link, as a /dev/serial/by-id/ name is: one device, one lock.
TEST_F(CliPortTest, TwoImportsAtOnceGiveOneSuccessAndOneBusyRefusal) {
    startSim({"--pace", "--readings", "30"});
    std::string link = folder.file("usb-Maker_Cable_S1-if00");
    std::filesystem::create_symlink(port(), link);
    pid_t first = startCli({"import", "--port", link, output()}, "first");
    ASSERT_TRUE(simReceived("HEL"));
    CliOutcome second = cli({"import", "--port", port(), folder.file("second.csv")});
    EXPECT_EQ(second.status, 3);
    EXPECT_EQ(second.err, ErrorLines(kPortRefused + port() + " は他のﾌﾟﾛｸﾞﾗﾑ (vestra-cli, PID " +
                                     std::to_string(first) + ") が使用中です。\n"));
    int status = finishCli(first);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << errOf("first");
    EXPECT_FALSE(std::filesystem::exists(folder.file("second.csv")));
}

TEST_F(CliPortTest, StopSignalAbortsLikeTheAbortButton) {
    for (int signal : {SIGINT, SIGTERM}) {
        startSim({"--pace", "--readings", "40"});
        WriteBytes(output(), kOldFile);
        pid_t tool = startCli({"import", "--port", port(), output()}, "tool");
        ASSERT_TRUE(simReceived("MEM"));
        kill(tool, signal);
        int status = finishCli(tool);
        ASSERT_TRUE(WIFEXITED(status)) << signal;
        EXPECT_EQ(WEXITSTATUS(status), 4) << signal;
        EXPECT_EQ(errOf("tool"), ErrorLines(kUserAbort)) << signal;
        EXPECT_EQ(ReadBytes(output()), kOldFile) << signal;
        EXPECT_EQ(simLogAfterFarewell(), (Strings{"HEL", "MEM", "BYE"})) << signal;
        // The thermometer has finished its dump and heard the farewell: the line is free.
        CliOutcome next = cli({"clock", "--port", port()});
        EXPECT_EQ(next.status, 0) << next.err;
        sim.reset();
        std::filesystem::remove(folder.file("sim.log"));
    }
}

TEST_F(CliPortTest, ASecondStopSignalEndsTheToolAtOnce) {
    startSim({"--pace", "--readings", "40"});
    WriteBytes(output(), kOldFile);
    pid_t tool = startCli({"import", "--port", port(), output()}, "tool");
    ASSERT_TRUE(simReceived("MEM"));
    kill(tool, SIGINT);
    kill(tool, SIGTERM);
    // Whichever of the two the tool takes second ends it.
    EXPECT_TRUE(WIFSIGNALED(finishCli(tool)));
    EXPECT_EQ(ReadBytes(output()), kOldFile);
}

TEST_F(CliPortTest, TraceRecordsTheExchange) {
    startSim();
    std::string trace = folder.file("line.trace");
    CliOutcome outcome = cli({"--trace", trace, "clock", "--port", port()});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    std::string text = ReadBytes(trace);
    for (const char* expected :
         {" * mode 1\n", " * break on\n", " * break off\n", " > HEL\\r\\n\n", " < OK\\r\\n",
          " > MEM T\\r\\n\n", " > BYE\\r\\n\n", " * result 0\n"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    }
}

TEST_F(CliPortTest, TraceOfARefusedDumpNamesTheLineAndTheParsersState) {
    startSim({"--unit", "F"});
    std::string trace = folder.file("line.trace");
    CliOutcome outcome = cli({"--unit", "C", "--trace", trace, "import", "--port", port()});
    EXPECT_EQ(outcome.status, 4);
    EXPECT_EQ(outcome.out, "");
    std::string text = ReadBytes(trace);
    EXPECT_NE(text.find(" * refused dump line 6 (expecting ALARM(H)=, group 1): ALARM(H)="),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(" * result 1\n"), std::string::npos) << text;
}

// A FIFO would hang the tool (the reasons are the unit test's).
TEST_F(CliPortTest, TraceThatCannotBeWrittenIsRefusedBeforeThePortIsOpened) {
    startSim();
    std::string trace = folder.file("fifo.trace");
    ASSERT_EQ(::mkfifo(trace.c_str(), 0600), 0);
    CliOutcome outcome = cli({"--trace", trace, "import", "--port", port(), output()});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err.rfind("vestra-cli: File Save Error !\nvestra-cli: " + trace + ": ", 0),
              0u)
        << outcome.err;
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(ReadBytes(folder.file("sim.log")), "");
    EXPECT_FALSE(std::filesystem::exists(output()));
}

// An output that can never be written is refused before the 12-second import, as the trace
// is: the thermometer hears nothing.
TEST_F(CliPortTest, OutputThatCannotBeWrittenIsRefusedBeforeThePortIsOpened) {
    startSim();
    ASSERT_EQ(::mkfifo(folder.file("fifo.csv").c_str(), 0600), 0);
    WriteBytes(folder.file("plain"), "x");
    for (const std::string& output :
         {folder.file("none/out.csv"), folder.file("fifo.csv"), folder.file("plain/out.csv")}) {
        CliOutcome outcome = cli({"import", "--port", port(), output});
        EXPECT_EQ(outcome.status, 1) << output;
        EXPECT_EQ(
            outcome.err.rfind("vestra-cli: File Save Error !\nvestra-cli: " + output + ": ", 0), 0u)
            << outcome.err;
        EXPECT_EQ(ReadBytes(folder.file("sim.log")), "") << output;
    }
}

// A transcript lost on a full disk fails the command after the exchange; the data is saved.
TEST_F(CliPortTest, TraceLostOnAFullDiskFailsTheToolAndKeepsTheData) {
    startSim();
    std::string traces = folder.file("traces");
    std::filesystem::create_directory(traces);
    std::string trace = traces + "/line.trace";
    CliOutcome outcome =
        cli({"--trace", trace, "import", "--port", port(), output()},
            "LD_PRELOAD=" + quoted(VESTRA_FAULT_SHIM_PATH) + " VESTRA_FAIL_CALL=write " +
                "VESTRA_FAIL_UNDER=" + quoted(traces) + " ");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err.rfind("vestra-cli: File Save Error !\nvestra-cli: " + trace + ": ", 0),
              0u)
        << outcome.err;
    EXPECT_NE(ReadBytes(output()), "");
}

TEST_F(CliPortTest, PathsThatAreNoPortGiveThePortMessageAndTheCause) {
    std::string plain = folder.file("plain");
    WriteBytes(plain, "x");
    const std::pair<std::string, std::string> cases[] = {
        {plain, " はｼﾘｱﾙﾎﾟｰﾄではありません。"},
        {folder.path().string(), " はｼﾘｱﾙﾎﾟｰﾄではありません。"},
        {"/dev/null", " はｼﾘｱﾙﾎﾟｰﾄではありません。"},
        {folder.file("ttyNONE"), " が見つかりません。"},
    };
    for (const auto& [path, cause] : cases) {
        CliOutcome outcome = cli({"import", "--port", path, output()});
        EXPECT_EQ(outcome.status, 3) << path;
        EXPECT_EQ(outcome.err, ErrorLines(kPortRefused + path + cause + "\n"));
        EXPECT_EQ(outcome.out, "") << path;
        EXPECT_FALSE(std::filesystem::exists(output())) << path;
    }
}

TEST_F(CliPortTest, PortsListsTheNumbersAsTheApplicationMapsThem) {
    startSim();
    std::string config = folder.file("config/MORVA/VESTRA2/Config");
    std::filesystem::create_directories(config);
    WriteBytes(config + "/VESTRA.INI", "[Ports]\r\nCOM3=" + port() + "\r\n");
    CliOutcome outcome = cli({"ports"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    Strings lines = Lines(outcome.out);
    ASSERT_GE(lines.size(), 17u);
    EXPECT_EQ(lines[2], "COM3\t" + port());
    EXPECT_EQ(lines[16], "Detected serial ports:");
}

} // namespace
} // namespace vestra::testing
