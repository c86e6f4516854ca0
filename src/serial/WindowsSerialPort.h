#pragma once

#include "serial/PortTicks.h"
#include "serial/SerialPort.h"
#include "serial/WindowsPortWaiter.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace vestra {

// The serial line on Windows: a COM port opened through the device namespace (\\.\COM10 and
// above are found only so), without sharing, so that the port is exclusive while open as the
// lock file and TIOCEXCL make it on Linux. Reads are overlapped: one read is kept pending, and
// the waiter sleeps on its event, so a wait ends when bytes arrive, at the next 100 ms tick or
// at a cancel, with the same rhythm as PosixSerialPort.
class WindowsSerialPort : public SerialPort {
public:
    // portName: COMn, another name the system gives a port, or a path already in the device
    // namespace (\\.\...).
    explicit WindowsSerialPort(std::string portName,
                               WindowsPortWaiter& waiter = PlainEventWaiter());
    ~WindowsSerialPort() override;
    WindowsSerialPort(const WindowsSerialPort&) = delete;
    WindowsSerialPort& operator=(const WindowsSerialPort&) = delete;

    const std::string& portName() const { return name_; }

    bool open(std::string& reason) override;
    void close() override;
    bool isOpen() const override { return line_ != nullptr; }

    void setDtr(bool on) override;
    void setRts(bool on) override;
    void setBreak(bool on) override;

    std::size_t inputCount() override;
    std::string readAll() override;
    void write(std::string_view bytes) override;
    void drain() override;

    PortEvent waitEvent() override;
    void resetTicks() override { ticks_.reset(); }

    void pause(int milliseconds) override;

private:
    struct Line; // the handle, its events and the pending read

    bool configure(std::string& reason);
    std::optional<PortEvent> lineState();

    std::string name_;
    WindowsPortWaiter& waiter_;
    std::unique_ptr<Line> line_;
    PortTicks ticks_;
};

} // namespace vestra
