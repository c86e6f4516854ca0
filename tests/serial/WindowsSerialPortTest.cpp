#include "serial/WindowsSerialPort.h"

#include "serial/PortOpenReason.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>
#include <windows.h>

namespace vestra {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Milliseconds since start.
long long Since(Clock::time_point start) {
    return std::chrono::duration_cast<milliseconds>(Clock::now() - start).count();
}

struct OpenCase {
    const char* port;
    std::string (*reason)(const std::string&);
};

TEST(WindowsSerialPortOpenTest, APortThatIsNoneOrNoSerialPortIsRefusedWithItsReason) {
    const OpenCase cases[] = {{"COM200", PortMissingReason}, {"\\\\.\\NUL", PortNotSerialReason}};
    for (const OpenCase& c : cases) {
        WindowsSerialPort port(c.port);
        std::string reason;
        EXPECT_FALSE(port.open(reason)) << c.port;
        EXPECT_FALSE(port.isOpen()) << c.port;
        EXPECT_EQ(reason, c.reason(c.port));
    }
}

// The line stands for a port whose read never ends; only the cancel can end the wait early.
TEST(EventWaiterTest, ACancelEndsTheWaitUnderWayOrElseTheNextOnce) {
    HANDLE line = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    EventWaiter waiter;
    int wakes = 0;
    waiter.setOnWake([&] { ++wakes; });

    auto start = Clock::now();
    std::thread canceller([&] {
        Sleep(100);
        waiter.cancel();
    });
    EXPECT_EQ(waiter.wait(line, milliseconds(10000)), WaitOutcome::Interrupted);
    canceller.join();
    EXPECT_LT(Since(start), 2000);
    EXPECT_EQ(wakes, 1);

    waiter.cancel();
    EXPECT_EQ(waiter.wait(line, milliseconds(10000)), WaitOutcome::Interrupted);
    EXPECT_EQ(waiter.wait(line, milliseconds(20)), WaitOutcome::TimedOut);
    SetEvent(line);
    EXPECT_EQ(waiter.wait(line, milliseconds(10000)), WaitOutcome::Ready);
    EXPECT_EQ(wakes, 2);
    CloseHandle(line);
}

// A COM port with the simulated thermometer at its far end, named by VESTRA_TEST_COM
// (tests/serial/wine-com-port.sh links COM1 to the simulator's pseudo-terminal under Wine).
class WindowsSerialPortTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* name = std::getenv("VESTRA_TEST_COM");
        if (name == nullptr || *name == '\0') {
            GTEST_SKIP() << "no COM port with the simulator at its far end (VESTRA_TEST_COM)";
        }
        portName = name;
        port = std::make_unique<WindowsSerialPort>(portName, waiter);
        std::string reason;
        ASSERT_TRUE(port->open(reason)) << reason;
    }

    // The next event besides ticks, at most maxTicks ticks away.
    PortEvent firstEventBesidesTicks(int maxTicks) {
        for (int ticks = 0;; ++ticks) {
            PortEvent event = port->waitEvent();
            if (event != PortEvent::Tick || ticks >= maxTicks) {
                return event;
            }
        }
    }

    std::string portName;
    EventWaiter waiter;
    std::unique_ptr<WindowsSerialPort> port;
};

TEST_F(WindowsSerialPortTest, TheGreetingIsAnsweredWithOk) {
    port->write("HEL\r\n");
    port->drain();
    std::string reply;
    while (reply.find('\n') == std::string::npos &&
           firstEventBesidesTicks(20) == PortEvent::Received) {
        EXPECT_GT(port->inputCount(), 0u);
        reply += port->readAll();
    }
    EXPECT_EQ(reply, "OK\r\n");
    EXPECT_EQ(port->inputCount(), 0u);
}

// The line keeps the settings after the close, where another handle reads them back.
TEST_F(WindowsSerialPortTest, TheLineRunsAt4800BaudEightBitsNoParityOneStopBit) {
    port->close();
    std::wstring path = L"\\\\.\\" + std::wstring(portName.begin(), portName.end());
    HANDLE line = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(line, INVALID_HANDLE_VALUE);
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    ASSERT_TRUE(GetCommState(line, &dcb));
    dcb.BaudRate = CBR_9600;
    dcb.fOutX = dcb.fInX = TRUE;
    ASSERT_TRUE(SetCommState(line, &dcb));
    CloseHandle(line);

    std::string reason;
    ASSERT_TRUE(port->open(reason)) << reason;
    port->close();
    line = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                       nullptr);
    ASSERT_NE(line, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(GetCommState(line, &dcb));
    CloseHandle(line);
    EXPECT_EQ(dcb.BaudRate, DWORD(CBR_4800));
    EXPECT_EQ(dcb.ByteSize, 8);
    EXPECT_EQ(dcb.Parity, NOPARITY);
    EXPECT_EQ(dcb.StopBits, ONESTOPBIT);
    EXPECT_FALSE(dcb.fOutX || dcb.fInX || dcb.fOutxCtsFlow);
}

// Windows' serial driver refuses a second handle to an open port; Wine shares the line.
TEST_F(WindowsSerialPortTest, ASecondOpenIsRefusedAsBusy) {
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr) {
        GTEST_SKIP() << "Wine does not keep a COM port to the handle that opened it";
    }
    WindowsSerialPort second(portName);
    std::string reason;
    EXPECT_FALSE(second.open(reason));
    EXPECT_EQ(reason, PortBusyReason(portName, PortHolder{}));
    port->close();
    EXPECT_TRUE(second.open(reason)) << reason;
}

// Ten ticks are a second whatever happens between them, a cancel in a wait too.
TEST_F(WindowsSerialPortTest, ACancelInAWaitIsTakenAndTheTicksKeepTheirRhythm) {
    int wakes = 0;
    waiter.setOnWake([&] { ++wakes; });
    auto start = Clock::now();
    std::thread canceller([&] {
        Sleep(250);
        waiter.cancel();
    });
    for (int tick = 0; tick < 10; ++tick) {
        EXPECT_EQ(port->waitEvent(), PortEvent::Tick);
    }
    canceller.join();
    EXPECT_EQ(wakes, 1);
    EXPECT_GE(Since(start), 1000);
    EXPECT_LT(Since(start), 1400);
}

} // namespace
} // namespace vestra
