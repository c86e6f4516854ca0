#pragma once

#include "device/CommObserver.h"
#include "device/CommState.h"
#include "serial/LineTrace.h"
#include "serial/SerialPort.h"

#include <string>
#include <string_view>

namespace vestra {

inline constexpr int kProgressMax = 18;

// The line transport of one connection: commands out, reply and dump lines in, progress and
// status to the observer. Every failure lands in state.LastResult; once it is set, every
// further wait for a line ends at once, so the first failure is the one reported.
class CommSession {
public:
    // The thermometer's lines are short; the port's input buffer holds 1024 characters, and
    // text that piles up beyond that without a line end is not a dump we understand.
    static constexpr std::size_t kRxBufferLimit = 1024;
    // 32 characters per line on the wire, CR LF included.
    static constexpr std::size_t kMaxLineLength = 30;
    // Ticks of 100 ms: a whole line within 5.1 s, no silence of 2.1 s inside it.
    static constexpr int kMaxTotalTicks = 50;
    static constexpr int kMaxIdleTicks = 20;

    CommSession(SerialPort& port, CommState& state, CommObserver& observer);

    // Discards unread input, writes the text (converted to code page 932) with CR LF, and waits
    // until it has left the port.
    void SendCommand(std::string_view text);
    // Waits for the next non-blank line; true with the trimmed line in RxLine().
    bool ReceiveLine();
    // Receives a line and judges it as a reply; true only for "OK".
    bool WaitReply();

    void StepProgress();
    // After a single-command operation: a pause, the bar at its last step but one, a pause.
    void FinishProgress();
    void setProgress(int value);
    int progress() const { return progress_; }
    void showStatus(const std::string& text);

    void BreakOn();
    void BreakOff();

    // The cancel button: ends the running wait at its next test with ResultUserAbort. Called on
    // the connection's own thread (from inside SerialPort::waitEvent), never from another one.
    void cancel();

    // The last line delivered, in UTF-8.
    const std::string& RxLine() const { return rxLine_; }
    bool failed() const { return state_.LastResult != CommResult::ResultOk; }
    void fail(CommResult result);
    SerialPort& port() { return port_; }

    // Everything sent and received, the breaks, time-outs and failures go to trace from now
    // on; null (the default) records nothing.
    void setTrace(LineTrace* trace) { trace_ = trace; }
    void traceNote(std::string_view text);
    CommState& state() { return state_; }

private:
    // Waits for the port's next event and takes in what it brought.
    void receivePass();
    // Moves the first complete line out of the buffer into RxLine, skipping blank lines; true
    // when a line was delivered or the line was too long (a failure).
    bool takeLine();
    // The received text after the last line end.
    std::size_t unterminatedLength() const;

    SerialPort& port_;
    CommState& state_;
    CommObserver& observer_;
    std::string rxBuffer_; // received bytes, code page 932, not yet consumed
    std::string rxLine_;
    int totalTicks_ = 0;
    int idleTicks_ = 0;
    int progress_ = 0;
    LineTrace* trace_ = nullptr;
};

} // namespace vestra
