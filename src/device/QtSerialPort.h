#pragma once

#include "device/SerialPort.h"

#include <QSerialPort>
#include <chrono>
#include <string>

namespace vestra {

// The serial line of the application. Its waits run a local event loop, so the communication
// window repaints and its cancel button acts while the thermometer is silent.
class QtSerialPort : public SerialPort {
public:
    // portName: a device path such as /dev/ttyUSB0, or a name QSerialPort knows (COM3).
    explicit QtSerialPort(const QString& portName);
    ~QtSerialPort() override;
    QtSerialPort(const QtSerialPort&) = delete;
    QtSerialPort& operator=(const QtSerialPort&) = delete;

    bool open(std::string& reason) override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }

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

    void onError(QSerialPort::SerialPortError error);
    void fetchPending();
    template <typename Call> void withoutLineErrors(Call call);

    std::string name_; // as given: QSerialPort shortens /dev/ttyUSB0 to ttyUSB0
    QSerialPort port_;
    bool ticking_ = false;
    Clock::time_point nextTick_;
    bool lineError_ = false;
    bool ignoreErrors_ = false;
};

} // namespace vestra
