#include "serial/WindowsSerialPort.h"

#include "base/WindowsText.h"
#include "serial/PortOpenReason.h"

#include <algorithm>
#include <windows.h>

namespace vestra {

namespace {

// A write that cannot go on for this long means the device stopped taking bytes; the next wait
// reports the line error. At 4800 baud a byte (10 bits with start and stop) takes 2.1 ms.
constexpr DWORD kWriteStallMs = 2000;
constexpr DWORD kMsPerByte = 3;
// A whole dump line is under 100 bytes; the driver's queues take many.
constexpr DWORD kQueueBytes = 4096;

std::wstring DevicePath(const std::string& name) {
    return WidePath(name.rfind("\\\\", 0) == 0 ? name : "\\\\.\\" + name);
}

std::string OpenFailureReason(const std::string& name, DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return PortMissingReason(name);
    // Another program has the port: with share mode 0 on both sides, the second open is refused.
    // Windows does not tell who holds it.
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return PortBusyReason(name, PortHolder{});
    default:
        return PortOtherReason(name, "ｼｽﾃﾑｴﾗｰ " + std::to_string(error));
    }
}

} // namespace

struct WindowsSerialPort::Line {
    HANDLE file = INVALID_HANDLE_VALUE;
    HANDLE readEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE writeEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    OVERLAPPED read{};
    bool reading = false; // read is under way and owns chunk
    bool failed = false;  // a read failed: the line is gone (an adapter pulled out)
    char chunk[512];
    std::string received; // bytes read from the driver, not yet handed out

    ~Line() {
        if (file != INVALID_HANDLE_VALUE) {
            // The driver writes into chunk until the read is over.
            CancelIoEx(file, nullptr);
            DWORD count = 0;
            if (reading) {
                GetOverlappedResult(file, &read, &count, TRUE);
            }
            CloseHandle(file);
        }
        CloseHandle(readEvent);
        CloseHandle(writeEvent);
    }

    // Bytes waiting in the driver's queue, which no read has taken yet. Line errors (framing,
    // parity, overrun) are cleared and not reported: as the termios port in raw mode, the
    // protocol then meets a byte it refuses.
    DWORD queued() {
        COMSTAT status{};
        DWORD errors = 0;
        return ClearCommError(file, &errors, &status) ? status.cbInQue : 0;
    }

    // Without time-outs a read ends when count bytes are in: the wait's read asks for the next
    // byte, so that it ends the moment one comes; readAll asks for what the queue holds.
    void startRead(DWORD count) {
        read = OVERLAPPED{};
        read.hEvent = readEvent;
        if (ReadFile(file, chunk, std::min<DWORD>(count, sizeof chunk), nullptr, &read) ||
            GetLastError() == ERROR_IO_PENDING) {
            reading = true;
        } else {
            failed = true;
        }
    }

    // Takes the bytes of a read that has ended into received; waits for it when wait is set.
    void takeRead(bool wait) {
        DWORD count = 0;
        if (!reading) {
            return;
        }
        if (GetOverlappedResult(file, &read, &count, wait ? TRUE : FALSE)) {
            received.append(chunk, count);
            reading = false;
        } else if (GetLastError() != ERROR_IO_INCOMPLETE) {
            reading = false;
            failed = true;
        }
    }
};

WindowsSerialPort::WindowsSerialPort(std::string portName, WindowsPortWaiter& waiter)
    : name_(std::move(portName)), waiter_(waiter) {}

WindowsSerialPort::~WindowsSerialPort() {
    close();
}

bool WindowsSerialPort::open(std::string& reason) {
    close();
    HANDLE file = CreateFileW(DevicePath(name_).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        reason = OpenFailureReason(name_, GetLastError());
        return false;
    }
    line_ = std::make_unique<Line>();
    line_->file = file;
    if (!configure(reason)) {
        close();
        return false;
    }
    return true;
}

// 4800 baud, 8 data bits, no parity, 1 stop bit, no flow control, every byte as it comes.
bool WindowsSerialPort::configure(std::string& reason) {
    HANDLE file = line_->file;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (GetFileType(file) != FILE_TYPE_CHAR || !GetCommState(file, &dcb)) {
        reason = PortNotSerialReason(name_);
        return false;
    }
    SetupComm(file, kQueueBytes, kQueueBytes);
    dcb.BaudRate = CBR_4800;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    // Both raised, as a termios port raises them on open; the connection sets them after.
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    if (!SetCommState(file, &dcb)) {
        reason = PortOtherReason(name_, "ｼｽﾃﾑｴﾗｰ " + std::to_string(GetLastError()));
        return false;
    }
    // No time-outs of the driver's: the waits keep the ticks, write() its own stall limit.
    COMMTIMEOUTS timeouts{};
    SetCommTimeouts(file, &timeouts);
    // Stale input goes; output stays, as on Linux (the last user's farewell may still be going).
    PurgeComm(file, PURGE_RXCLEAR);
    return true;
}

void WindowsSerialPort::close() {
    line_.reset();
}

void WindowsSerialPort::setDtr(bool on) {
    if (line_) {
        EscapeCommFunction(line_->file, on ? SETDTR : CLRDTR);
    }
}

void WindowsSerialPort::setRts(bool on) {
    if (line_) {
        EscapeCommFunction(line_->file, on ? SETRTS : CLRRTS);
    }
}

void WindowsSerialPort::setBreak(bool on) {
    if (line_) {
        on ? SetCommBreak(line_->file) : ClearCommBreak(line_->file);
    }
}

// Bytes of the pending read count once it has ended; until then the queue is the read's.
std::size_t WindowsSerialPort::inputCount() {
    if (!line_) {
        return 0;
    }
    line_->takeRead(false);
    return line_->received.size() + (line_->reading ? 0 : line_->queued());
}

std::string WindowsSerialPort::readAll() {
    std::string bytes;
    if (!line_) {
        return bytes;
    }
    line_->takeRead(false);
    while (!line_->reading && !line_->failed) {
        DWORD queued = line_->queued();
        if (queued == 0) {
            break;
        }
        line_->startRead(queued);
        line_->takeRead(true);
    }
    bytes.swap(line_->received);
    return bytes;
}

void WindowsSerialPort::write(std::string_view bytes) {
    while (line_ && !bytes.empty()) {
        OVERLAPPED request{};
        request.hEvent = line_->writeEvent;
        auto size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kQueueBytes));
        if (!WriteFile(line_->file, bytes.data(), size, nullptr, &request) &&
            GetLastError() != ERROR_IO_PENDING) {
            return;
        }
        if (WaitForSingleObject(request.hEvent, kWriteStallMs + size * kMsPerByte) !=
            WAIT_OBJECT_0) {
            CancelIoEx(line_->file, &request);
        }
        DWORD written = 0;
        if (!GetOverlappedResult(line_->file, &request, &written, TRUE) || written == 0) {
            return;
        }
        bytes.remove_prefix(written);
    }
}

void WindowsSerialPort::drain() {
    if (line_) {
        FlushFileBuffers(line_->file);
    }
}

PortEvent WindowsSerialPort::waitEvent() {
    if (!line_) {
        return PortEvent::LineError;
    }
    ticks_.start();
    for (;;) {
        if (std::optional<PortEvent> state = lineState()) {
            return *state;
        }
        std::optional<std::chrono::milliseconds> wait = ticks_.untilNext();
        if (!wait) {
            return PortEvent::Tick;
        }
        if (!line_->reading) {
            line_->startRead(1);
            continue;
        }
        waiter_.wait(line_->readEvent, *wait);
    }
}

std::optional<PortEvent> WindowsSerialPort::lineState() {
    line_->takeRead(false);
    if (!line_->received.empty() || (!line_->reading && !line_->failed && line_->queued() > 0)) {
        return PortEvent::Received;
    }
    if (line_->failed) {
        return PortEvent::LineError;
    }
    return std::nullopt;
}

void WindowsSerialPort::pause(int milliseconds) {
    Sleep(static_cast<DWORD>(std::max(milliseconds, 0)));
}

} // namespace vestra
