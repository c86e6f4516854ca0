#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vestra {

// What ended a wait on the port.
enum class PortEvent {
    Received,  // bytes arrived and can be read
    Tick,      // the next 100 ms tick of the time-out clock passed without bytes
    LineError, // the port reported a break, framing, overrun, parity or similar error
};

// The serial line to the thermometer, as the connection needs it. The application, the
// command-line tool and the end-to-end tests use the termios port (PosixSerialPort), unit tests
// a script on a virtual clock. The connection code never knows which one it talks to.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens the device with 4800 baud, 8 data bits, no parity, 1 stop bit. On failure returns
    // false and puts the reason for the user (missing device, no permission) into reason.
    virtual bool open(std::string& reason) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Line controls; a device without them (a pseudo-terminal) and a closed port ignore the call.
    virtual void setDtr(bool on) = 0;
    virtual void setRts(bool on) = 0;
    virtual void setBreak(bool on) = 0;

    // Bytes received and not yet read.
    virtual std::size_t inputCount() = 0;
    // Every byte received so far; never blocks.
    virtual std::string readAll() = 0;
    virtual void write(std::string_view bytes) = 0;
    // Blocks until everything written has left the port.
    virtual void drain() = 0;

    // Sleeps until bytes arrive, the next 100 ms tick is due or the line reports an error. The
    // ticks keep their 100 ms rhythm from the first wait after resetTicks(), whatever arrives
    // between them. The process is idle meanwhile. Returns Received at once while bytes that
    // arrived earlier (for instance while a command was being written) are still unread.
    virtual PortEvent waitEvent() = 0;
    virtual void resetTicks() = 0;

    // A fixed pause in which nothing else happens (the wake-up break, the progress pauses).
    virtual void pause(int milliseconds) = 0;
};

} // namespace vestra
