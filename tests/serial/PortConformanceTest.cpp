#include "SimPty.h"
#include "files/TempFolder.h"
#include "serial/PosixSerialPort.h"
#include "serial/QtPortWaiter.h"

#include <QCoreApplication>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vestra {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using testing::TempFolder;

// The ways the serial port waits: the tool's poll and the window's, which also turns the event
// queue. Both must behave alike on the line.
enum class WaiterKind { Poll, Window };

std::unique_ptr<PortWaiter> MakeWaiter(WaiterKind kind) {
    if (kind == WaiterKind::Poll) {
        return std::make_unique<PollWaiter>();
    }
    return std::make_unique<QtPortWaiter>();
}

std::string WaiterName(const ::testing::TestParamInfo<WaiterKind>& info) {
    return info.param == WaiterKind::Poll ? "Poll" : "Window";
}

// Runs body in a child process that has given up root first (root may open anything) and
// hands back what it wrote to the pipe.
template <typename Body> std::string InUnprivilegedChild(Body body) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return "no pipe";
    }
    pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(1);
        }
        std::string text = body();
        ssize_t written = ::write(pipeFds[1], text.data(), text.size());
        _exit(written == ssize_t(text.size()) ? 0 : 1);
    }
    ::close(pipeFds[1]);
    std::string text;
    char chunk[256];
    for (ssize_t n; (n = ::read(pipeFds[0], chunk, sizeof chunk)) > 0;) {
        text.append(chunk, std::size_t(n));
    }
    ::close(pipeFds[0]);
    waitpid(child, nullptr, 0);
    return text;
}

// The far end of the line: the test plays the thermometer on the master side.
class PortConformanceTest : public ::testing::TestWithParam<WaiterKind> {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(pty.open(error)) << error;
        port = makePort(pty.slavePath());
        std::string reason;
        ASSERT_TRUE(port->open(reason)) << reason;
    }

    std::unique_ptr<PosixSerialPort> makePort(const std::string& path) {
        return std::make_unique<PosixSerialPort>(path, *waiter, lockFolders());
    }
    std::vector<std::string> lockFolders() const { return {locks.path().string()}; }
    std::string lockFile() const { return locks.file(LockFileName(pty.slavePath())); }

    // Opens the line with a port of its own; the reason when refused, "" when it opened.
    std::string secondOpen(const std::string& path) {
        auto second = makePort(path);
        std::string reason;
        return second->open(reason) ? "" : reason;
    }

    void sendFromDevice(std::string_view bytes) {
        ASSERT_EQ(::write(pty.master(), bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }

    std::string readAtDevice(std::size_t count) {
        std::string bytes;
        auto deadline = Clock::now() + std::chrono::seconds(2);
        while (bytes.size() < count && Clock::now() < deadline) {
            pollfd p{pty.master(), POLLIN, 0};
            char chunk[256];
            if (poll(&p, 1, 50) > 0) {
                ssize_t n = ::read(pty.master(), chunk, sizeof chunk);
                bytes.append(chunk, std::size_t(std::max<ssize_t>(n, 0)));
            }
        }
        return bytes;
    }

    // Waits until something other than a tick happens, at most maxTicks ticks.
    PortEvent firstEventBesidesTicks(int maxTicks, int& ticks) {
        ticks = 0;
        for (;;) {
            PortEvent event = port->waitEvent();
            if (event != PortEvent::Tick || ++ticks > maxTicks) {
                return event;
            }
        }
    }

    TempFolder locks{"vestra-locks"};
    std::unique_ptr<PortWaiter> waiter = MakeWaiter(GetParam());
    sim::PseudoTerminal pty;
    std::unique_ptr<PosixSerialPort> port;
};

TEST_P(PortConformanceTest, CarriesBytesUnchangedBothWays) {
    // Line controls are refused by a pseudo-terminal; the line must keep working regardless.
    port->setDtr(true);
    port->setRts(true);
    port->setBreak(true);
    port->setBreak(false);

    port->write("HEL\r\n");
    port->drain();
    EXPECT_EQ(readAtDevice(5), "HEL\r\n");

    // Raw line: no CR translation, no flow-control or signal characters, 8 bits.
    const std::string reply = "OK\r\n\x03\x11\x13\xDF\n";
    sendFromDevice(reply);
    int ticks = 0;
    std::string received;
    while (received.size() < reply.size() &&
           firstEventBesidesTicks(20, ticks) == PortEvent::Received) {
        EXPECT_GT(port->inputCount(), 0u);
        received += port->readAll();
    }
    EXPECT_EQ(received, reply);
    EXPECT_EQ(port->inputCount(), 0u);
    EXPECT_EQ(port->readAll(), "");
}

TEST_P(PortConformanceTest, TicksKeepTheirRhythmWithoutUsingTheProcessor) {
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    port->resetTicks();
    auto start = Clock::now();
    int ticks = 0;
    bool received = false;
    while (ticks < 10) {
        if (ticks == 3 && !received) {
            // Bytes between ticks must not shift the rhythm.
            std::this_thread::sleep_for(milliseconds(30));
            sendFromDevice("x");
        }
        PortEvent event = port->waitEvent();
        if (event == PortEvent::Received) {
            received = true;
            port->readAll();
        } else {
            ASSERT_EQ(event, PortEvent::Tick);
            ++ticks;
        }
    }
    auto elapsed = Clock::now() - start;
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    auto cpuMs = (after.ru_utime.tv_sec - before.ru_utime.tv_sec) * 1000 +
                 (after.ru_utime.tv_usec - before.ru_utime.tv_usec) / 1000 +
                 (after.ru_stime.tv_sec - before.ru_stime.tv_sec) * 1000 +
                 (after.ru_stime.tv_usec - before.ru_stime.tv_usec) / 1000;

    EXPECT_TRUE(received);
    EXPECT_GE(elapsed, milliseconds(1000)); // a tick is never early
    EXPECT_LT(elapsed, milliseconds(2500));
    EXPECT_LT(cpuMs, 300) << "the wait spins instead of sleeping";
}

TEST_P(PortConformanceTest, TicksMissedWhileBusyAreDeliveredAtOnce) {
    port->resetTicks();
    ASSERT_EQ(port->waitEvent(), PortEvent::Tick);
    std::this_thread::sleep_for(milliseconds(450));
    auto start = Clock::now();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(port->waitEvent(), PortEvent::Tick);
    }
    EXPECT_LT(Clock::now() - start, milliseconds(150));
}

TEST_P(PortConformanceTest, BytesEndTheWaitBeforeTheTick) {
    port->resetTicks();
    std::thread device([this] {
        std::this_thread::sleep_for(milliseconds(20));
        sendFromDevice("OK\r\n");
    });
    int ticks = 0;
    auto start = Clock::now();
    PortEvent event = firstEventBesidesTicks(20, ticks);
    auto waited = Clock::now() - start;
    device.join();
    EXPECT_EQ(event, PortEvent::Received);
    EXPECT_LT(waited, milliseconds(1000));
    EXPECT_LE(ticks, 5);
}

TEST_P(PortConformanceTest, VanishedPeerIsALineError) {
    pty.close();
    int ticks = 0;
    EXPECT_EQ(firstEventBesidesTicks(20, ticks), PortEvent::LineError);
    EXPECT_EQ(ticks, 0);
}

TEST_P(PortConformanceTest, ASecondOpenIsRefusedNamingTheHolder) {
    EXPECT_EQ(secondOpen(pty.slavePath()), pty.slavePath() + " は他のﾌﾟﾛｸﾞﾗﾑ (" +
                                               ProcessName(getpid()) + ", PID " +
                                               std::to_string(getpid()) + ") が使用中です。");
    EXPECT_TRUE(port->isOpen());
}

// A program that opened the line with neither a lock file nor the exclusive mode (socat, say)
// is found before the open.
TEST_P(PortConformanceTest, AProgramHoldingTheLineWithoutALockIsNamed) {
    port->close();
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t holder = fork();
    if (holder == 0) {
        close(pty.master()); // keeps only the line's side, which it inherited
        _exit(write(ready[1], "x", 1) == 1 ? pause() : 1);
    }
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    std::string program = ProcessName(holder);
    std::string reason = secondOpen(pty.slavePath());
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
    EXPECT_EQ(reason, pty.slavePath() + " は他のﾌﾟﾛｸﾞﾗﾑ (" + program + ", PID " +
                          std::to_string(holder) + ") が使用中です。");
}

TEST_P(PortConformanceTest, TheLockFileNamesThisProcessAndGoesWithTheClose) {
    std::string lock = testing::ReadBytes(lockFile());
    EXPECT_EQ(lock.substr(0, lock.find('\n')), std::to_string(getpid()));
    port->close();
    EXPECT_FALSE(std::filesystem::exists(lockFile()));
    EXPECT_EQ(secondOpen(pty.slavePath()), "");
}

TEST_P(PortConformanceTest, ALockLeftByAnEndedProcessIsTakenOver) {
    port->close();
    pid_t ended = fork();
    if (ended == 0) {
        _exit(0);
    }
    waitpid(ended, nullptr, 0);
    testing::WriteBytes(lockFile(), "      " + std::to_string(ended) + "\n");
    EXPECT_EQ(secondOpen(pty.slavePath()), "");
}

// A program that keeps no lock file still finds the port in exclusive use.
TEST_P(PortConformanceTest, TheTerminalIsExclusiveForProgramsWithoutTheLockFile) {
    ASSERT_EQ(chmod(pty.slavePath().c_str(), 0666), 0);
    std::string path = pty.slavePath();
    std::string reason = InUnprivilegedChild([&] {
        PosixSerialPort other(path, PlainPollWaiter(), {});
        std::string why;
        return other.open(why) ? std::string("opened") : why;
    });
    EXPECT_EQ(reason.rfind(path + " は他のﾌﾟﾛｸﾞﾗﾑ", 0), 0u) << reason;
    port->close();
    EXPECT_EQ(InUnprivilegedChild([&] {
                  PosixSerialPort other(path, PlainPollWaiter(), {});
                  std::string why;
                  return other.open(why) ? std::string("opened") : why;
              }),
              "opened");
}

TEST_P(PortConformanceTest, NamesTheDevicesGroupWhenPermissionIsMissing) {
    port->close();
    ASSERT_EQ(chmod(pty.slavePath().c_str(), 0), 0);
    struct stat device {};
    ASSERT_EQ(stat(pty.slavePath().c_str(), &device), 0);
    std::string path = pty.slavePath();
    std::string reason = InUnprivilegedChild([&] {
        PosixSerialPort other(path, PlainPollWaiter(), {});
        std::string why;
        return other.open(why) ? std::string("opened") : why;
    });
    std::string refused = path + " を使う権限がありません。";
    EXPECT_EQ(reason.rfind(refused, 0), 0u) << reason;
    if (geteuid() == 0) {
        // The child gave up every group, so it is told which one to join.
        EXPECT_EQ(reason, refused + getgrgid(device.st_gid)->gr_name +
                              " ｸﾞﾙｰﾌﾟに参加して下さい (参加直後はﾛｸﾞｲﾝし直して下さい)。");
    }
}

TEST_P(PortConformanceTest, ExplainsWhyAPathIsNoPort) {
    std::string file = locks.file("plain-file");
    testing::WriteBytes(file, "x");
    const std::pair<std::string, std::string> cases[] = {
        {"/dev/nonexistent", "/dev/nonexistent が見つかりません。"},
        {"/dev/null", "/dev/null はｼﾘｱﾙﾎﾟｰﾄではありません。"},
        {file, file + " はｼﾘｱﾙﾎﾟｰﾄではありません。"},
        {locks.path().string(), locks.path().string() + " はｼﾘｱﾙﾎﾟｰﾄではありません。"},
    };
    for (const auto& [path, reason] : cases) {
        auto other = makePort(path);
        std::string why;
        EXPECT_FALSE(other->open(why)) << path;
        EXPECT_FALSE(other->isOpen()) << path;
        EXPECT_EQ(why, reason);
    }
}

INSTANTIATE_TEST_SUITE_P(BothWaiters, PortConformanceTest,
                         ::testing::Values(WaiterKind::Poll, WaiterKind::Window), WaiterName);

} // namespace
} // namespace vestra

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
