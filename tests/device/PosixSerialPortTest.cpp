#include "device/PosixSerialPort.h"

#include "SimPty.h"

#include <chrono>
#include <fcntl.h>
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

// The far end of the line: the test plays the thermometer on the master side.
class PosixSerialPortTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(pty.open(error)) << error;
        port = std::make_unique<PosixSerialPort>(pty.slavePath());
        std::string reason;
        ASSERT_TRUE(port->open(reason)) << reason;
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

    sim::PseudoTerminal pty;
    std::unique_ptr<PosixSerialPort> port;
};

TEST_F(PosixSerialPortTest, CarriesBytesUnchangedBothWays) {
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
    EXPECT_EQ(firstEventBesidesTicks(20, ticks), PortEvent::Received);
    std::string received;
    while (received.size() < reply.size() &&
           firstEventBesidesTicks(20, ticks) != PortEvent::LineError) {
        EXPECT_GT(port->inputCount(), 0u);
        received += port->readAll();
    }
    EXPECT_EQ(received, reply);
    EXPECT_EQ(port->inputCount(), 0u);
    EXPECT_EQ(port->readAll(), "");
}

TEST_F(PosixSerialPortTest, TicksKeepTheirRhythmWithoutUsingTheProcessor) {
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

TEST_F(PosixSerialPortTest, TicksMissedWhileBusyAreDeliveredAtOnce) {
    port->resetTicks();
    ASSERT_EQ(port->waitEvent(), PortEvent::Tick);
    std::this_thread::sleep_for(milliseconds(450));
    auto start = Clock::now();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(port->waitEvent(), PortEvent::Tick);
    }
    EXPECT_LT(Clock::now() - start, milliseconds(150));
}

TEST_F(PosixSerialPortTest, BytesEndTheWaitBeforeTheTick) {
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

TEST_F(PosixSerialPortTest, VanishedPeerIsALineError) {
    pty.close();
    int ticks = 0;
    EXPECT_EQ(firstEventBesidesTicks(20, ticks), PortEvent::LineError);
    EXPECT_EQ(ticks, 0);
}

TEST(PosixSerialPortOpenTest, ExplainsWhyAPortCannotBeOpened) {
    std::string reason;
    PosixSerialPort missing("/dev/nonexistent");
    EXPECT_FALSE(missing.open(reason));
    EXPECT_FALSE(missing.isOpen());
    EXPECT_EQ(reason, "/dev/nonexistent が見つかりません。");

    PosixSerialPort notSerial("/dev/null");
    EXPECT_FALSE(notSerial.open(reason));
    EXPECT_FALSE(notSerial.isOpen());
    EXPECT_EQ(reason, "/dev/null はｼﾘｱﾙﾎﾟｰﾄではありません。");
}

// The open runs in a child process that gives up root first, since root may open anything.
std::string ReasonWithoutPermission(const std::string& path) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return "no pipe";
    }
    pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(1);
        }
        std::string reason;
        PosixSerialPort locked(path);
        locked.open(reason);
        ssize_t written = ::write(pipeFds[1], reason.data(), reason.size());
        _exit(written == ssize_t(reason.size()) ? 0 : 1);
    }
    ::close(pipeFds[1]);
    std::string reason;
    char chunk[256];
    for (ssize_t n; (n = ::read(pipeFds[0], chunk, sizeof chunk)) > 0;) {
        reason.append(chunk, std::size_t(n));
    }
    ::close(pipeFds[0]);
    waitpid(child, nullptr, 0);
    return reason;
}

TEST(PosixSerialPortOpenTest, NamesTheDialoutGroupWhenPermissionIsMissing) {
    std::string path = ::testing::TempDir() + "vestra-locked-port";
    int fd = ::open(path.c_str(), O_CREAT | O_WRONLY, 0);
    ASSERT_GE(fd, 0);
    ::close(fd);
    EXPECT_EQ(ReasonWithoutPermission(path),
              path + " を使う権限がありません。dialout ｸﾞﾙｰﾌﾟに参加して下さい。");
    unlink(path.c_str());
}

} // namespace
} // namespace vestra
