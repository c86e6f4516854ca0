#pragma once

#include "serial/PortLock.h"
#include "serial/PortTicks.h"
#include "serial/PortWaiter.h"
#include "serial/SerialPort.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace vestra {

// The serial line over termios: a real port (/dev/ttyS0, /dev/ttyUSB0, a /dev/serial/by-id/
// link) or the slave side of a pseudo-terminal such as the simulated thermometer's. The one
// port of the application, the command-line tool and the tests; only the way it sleeps while
// waiting (waiter) differs between them. The port is exclusive while open: the lock file of
// the serial-program convention plus TIOCEXCL, both given up on close.
class PosixSerialPort : public SerialPort {
public:
    explicit PosixSerialPort(std::string devicePath, PortWaiter& waiter = PlainPollWaiter(),
                             std::vector<std::string> lockFolders = PortLock::DefaultDirectories());
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    const std::string& devicePath() const { return path_; }

    bool open(std::string& reason) override;
    void close() override;
    bool isOpen() const override { return fd_ >= 0; }

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
    bool configure(std::string& reason);
    void setModemLine(int line, bool on);
    bool waitWritable();
    // What a readable descriptor has for us: bytes, or the line's end.
    std::optional<PortEvent> lineState();

    std::string path_;
    PortWaiter& waiter_;
    PortLock lock_;
    int fd_ = -1;
    PortTicks ticks_;
};

} // namespace vestra
