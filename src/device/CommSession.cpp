#include "device/CommSession.h"

#include "base/TextCodec.h"
#include "device/DumpFields.h"

namespace vestra {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr int kFinishFirstPauseMs = 1000;
constexpr int kFinishSecondPauseMs = 500;

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

} // namespace

CommSession::CommSession(SerialPort& port, CommState& state, CommObserver& observer)
    : port_(port), state_(state), observer_(observer) {}

void CommSession::SendCommand(std::string_view text) {
    // Whatever the thermometer sent since the last read belongs to no command of ours.
    while (port_.inputCount() != 0) {
        std::string stale = port_.readAll();
        if (trace_ != nullptr) {
            trace_->note("discarded before sending: " + LineTrace::Escaped(stale));
        }
    }
    std::string line = ToCp932(text);
    line += kLineEnd;
    if (trace_ != nullptr) {
        trace_->sent(line);
    }
    port_.write(line);
    port_.drain();
}

bool CommSession::ReceiveLine() {
    totalTicks_ = 0;
    idleTicks_ = 0;
    port_.resetTicks();
    while (!failed() && !takeLine()) {
        if (totalTicks_ > kMaxTotalTicks || idleTicks_ > kMaxIdleTicks) {
            traceNote("time-out: " + std::to_string(totalTicks_) + " ticks since the wait began, " +
                      std::to_string(idleTicks_) + " since the last byte");
            fail(CommResult::ResultNoResponse);
            break;
        }
        receivePass();
    }
    return !failed();
}

void CommSession::receivePass() {
    PortEvent event = port_.waitEvent();
    if (failed()) {
        return; // cancelled while waiting
    }
    switch (event) {
    case PortEvent::Tick:
        ++totalTicks_;
        ++idleTicks_;
        break;
    case PortEvent::LineError:
        traceNote("line error");
        fail(CommResult::ResultLineError);
        break;
    case PortEvent::Received: {
        std::string bytes = port_.readAll();
        if (bytes.empty()) {
            break;
        }
        if (trace_ != nullptr) {
            trace_->received(bytes);
        }
        idleTicks_ = 0;
        rxBuffer_ += bytes;
        if (unterminatedLength() > kRxBufferLimit) {
            traceNote("more than 1024 characters without a line end");
            fail(CommResult::ResultBadReceive);
        }
        break;
    }
    }
}

// Complete lines waiting for their turn are what a fast line brings in one read (a dump sent
// without pauses, a burst from a USB adapter); only text without a line end is noise.
std::size_t CommSession::unterminatedLength() const {
    std::size_t end = rxBuffer_.rfind(kLineEnd);
    return end == std::string::npos ? rxBuffer_.size() : rxBuffer_.size() - end - kLineEnd.size();
}

bool CommSession::takeLine() {
    for (;;) {
        std::size_t end = rxBuffer_.find(kLineEnd);
        if (end == std::string::npos) {
            return false;
        }
        if (end > kMaxLineLength) {
            traceNote("line of " + std::to_string(end) + " characters, more than 30");
            fail(CommResult::ResultBadReceive);
            return true;
        }
        std::string_view line = dumpfields::TrimBlanks(std::string_view(rxBuffer_).substr(0, end));
        rxLine_ = FromCp932(line);
        rxBuffer_.erase(0, end + kLineEnd.size());
        if (!rxLine_.empty()) {
            return true;
        }
    }
}

bool CommSession::WaitReply() {
    if (!ReceiveLine()) {
        return false;
    }
    std::string reply = upperAscii(rxLine_);
    if (reply == "OK") {
        return true;
    }
    if (reply == "NG1") {
        fail(CommResult::ResultBatteryAlarm);
    } else if (reply == "NG2" || reply == "NG3" || reply == "NG4" || reply == "NG5") {
        fail(CommResult::ResultDeviceNg);
    } else {
        fail(CommResult::ResultBadReply);
    }
    return false;
}

void CommSession::StepProgress() {
    if (progress_ < kProgressMax) {
        setProgress(progress_ + 1);
    }
}

void CommSession::FinishProgress() {
    port_.pause(kFinishFirstPauseMs);
    setProgress(kProgressMax - 1);
    port_.pause(kFinishSecondPauseMs);
}

void CommSession::setProgress(int value) {
    progress_ = value;
    observer_.showProgress(value);
}

void CommSession::showStatus(const std::string& text) {
    observer_.showStatus(text);
}

void CommSession::BreakOn() {
    traceNote("break on");
    port_.setBreak(true);
}
void CommSession::BreakOff() {
    traceNote("break off");
    port_.setBreak(false);
}

void CommSession::cancel() {
    traceNote("cancelled");
    fail(CommResult::ResultUserAbort);
}

void CommSession::traceNote(std::string_view text) {
    if (trace_ != nullptr) {
        trace_->note(text);
    }
}

void CommSession::fail(CommResult result) {
    if (!failed()) {
        state_.LastResult = result;
    }
}

} // namespace vestra
