#include "device/QtSerialPort.h"

#include "device/PortOpenReason.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace vestra {

namespace {

constexpr auto kTick = std::chrono::milliseconds(100);
constexpr int kWriteStallMs = 2000;

// Errors that mean the line itself failed: the device vanished, or reading or writing broke.
// Time-outs of the zero-length waits and refused line controls are not line errors.
bool IsLineError(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::UnknownError:
        return true;
    default:
        return false;
    }
}

} // namespace

QtSerialPort::QtSerialPort(const QString& portName) : name_(portName.toStdString()) {
    port_.setPortName(portName);
    QObject::connect(&port_, &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError error) { onError(error); });
}

QtSerialPort::~QtSerialPort() {
    close();
}

void QtSerialPort::onError(QSerialPort::SerialPortError error) {
    if (!ignoreErrors_ && port_.isOpen() && IsLineError(error)) {
        lineError_ = true;
    }
}

bool QtSerialPort::open(std::string& reason) {
    close();
    lineError_ = false;
    if (!port_.open(QIODevice::ReadWrite)) {
        switch (port_.error()) {
        case QSerialPort::DeviceNotFoundError:
            reason = PortMissingReason(name_);
            break;
        case QSerialPort::PermissionError:
            reason = PortPermissionReason(name_);
            break;
        default:
            reason = PortOtherReason(name_, port_.errorString().toStdString());
        }
        port_.clearError();
        return false;
    }
    bool configured = port_.setBaudRate(4800) && port_.setDataBits(QSerialPort::Data8) &&
                      port_.setParity(QSerialPort::NoParity) &&
                      port_.setStopBits(QSerialPort::OneStop) &&
                      port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        reason = PortOtherReason(name_, port_.errorString().toStdString());
        close();
        return false;
    }
    port_.clear();
    return true;
}

void QtSerialPort::close() {
    if (port_.isOpen()) {
        port_.close();
    }
    port_.clearError();
}

// A pseudo-terminal or a plain adapter refuses these; that must not count as a line error.
template <typename Call> void QtSerialPort::withoutLineErrors(Call call) {
    if (!port_.isOpen()) {
        return;
    }
    ignoreErrors_ = true;
    call();
    ignoreErrors_ = false;
    port_.clearError();
}

void QtSerialPort::setDtr(bool on) {
    withoutLineErrors([&] { port_.setDataTerminalReady(on); });
}

void QtSerialPort::setRts(bool on) {
    withoutLineErrors([&] { port_.setRequestToSend(on); });
}

void QtSerialPort::setBreak(bool on) {
    withoutLineErrors([&] { port_.setBreakEnabled(on); });
}

// Moves what the system has received into the port's buffer without waiting, so counts and
// reads see every byte that arrived, not only those an event loop already fetched.
void QtSerialPort::fetchPending() {
    withoutLineErrors([&] { port_.waitForReadyRead(0); });
}

std::size_t QtSerialPort::inputCount() {
    fetchPending();
    return static_cast<std::size_t>(port_.bytesAvailable());
}

std::string QtSerialPort::readAll() {
    fetchPending();
    return port_.readAll().toStdString();
}

void QtSerialPort::write(std::string_view bytes) {
    if (port_.isOpen()) {
        port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
}

void QtSerialPort::drain() {
    while (port_.isOpen() && port_.bytesToWrite() > 0) {
        bool moved = false;
        withoutLineErrors([&] { moved = port_.waitForBytesWritten(kWriteStallMs); });
        if (!moved) {
            return;
        }
    }
}

PortEvent QtSerialPort::waitEvent() {
    if (!port_.isOpen() || lineError_) {
        lineError_ = false;
        return PortEvent::LineError;
    }
    if (!ticking_) {
        ticking_ = true;
        nextTick_ = Clock::now() + kTick;
    }
    auto now = Clock::now();
    if (now >= nextTick_) {
        nextTick_ += kTick;
        return PortEvent::Tick;
    }
    if (port_.bytesAvailable() > 0) {
        return PortEvent::Received;
    }
    QEventLoop loop;
    PortEvent event = PortEvent::Tick;
    QTimer tick;
    tick.setSingleShot(true);
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        event = PortEvent::Tick;
        loop.quit();
    });
    QObject::connect(&port_, &QSerialPort::readyRead, &loop, [&] {
        event = PortEvent::Received;
        loop.quit();
    });
    QObject::connect(&port_, &QSerialPort::errorOccurred, &loop, [&] {
        if (lineError_) {
            lineError_ = false;
            event = PortEvent::LineError;
            loop.quit();
        }
    });
    auto left = std::chrono::ceil<std::chrono::milliseconds>(nextTick_ - now);
    tick.start(static_cast<int>(left.count()));
    loop.exec();
    if (event == PortEvent::Tick) {
        nextTick_ += kTick;
    }
    return event;
}

void QtSerialPort::pause(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

} // namespace vestra
