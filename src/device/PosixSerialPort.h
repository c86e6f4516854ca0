#pragma once

#include "device/SerialPort.h"

#include <chrono>
#include <string>

namespace vestra {

// The serial line over termios: a real port (/dev/ttyS0, /dev/ttyUSB0) or the slave side of a
// pseudo-terminal such as the simulated thermometer's. Used where no event loop runs: the
// command-line tool and the tests.
class PosixSerialPort : public SerialPort {
public:
    explicit PosixSerialPort(std::string devicePath);
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
    void resetTicks() override { ticking_ = false; }

    void pause(int milliseconds) override;

private:
    using Clock = std::chrono::steady_clock;

    bool configure(std::string& reason);
    void setModemLine(int line, bool on);
    bool waitWritable();

    std::string path_;
    int fd_ = -1;
    bool ticking_ = false;
    Clock::time_point nextTick_;
};

} // namespace vestra
