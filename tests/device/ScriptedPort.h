#pragma once

#include "serial/SerialPort.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vestra::testing {

// A serial port on a virtual clock. The test scripts what the thermometer sends and when;
// every wait returns at once with the next event in virtual time, so time-outs are exact and
// tests take no real time. Records everything written and every line control and pause.
//
// Time is in virtual milliseconds. Ticks fall every 100 ms counted from the last
// wait after resetTicks(); bytes due at the same moment as a tick are delivered before it.
class ScriptedPort : public SerialPort {
public:
    // Bytes (code page 932) that arrive at an absolute time.
    void deliverAt(long at, std::string bytes) {
        events_.emplace(at, Event{std::move(bytes), false});
    }
    void lineErrorAt(long at) { events_.emplace(at, Event{{}, true}); }
    // The next answer to a written line: delivered `delay` ms after the line was written. Lines
    // written after the answers ran out stay unanswered; silence() leaves one line unanswered.
    void answer(std::string bytes, long delay = 50) {
        answers_.push_back({{{delay, std::move(bytes)}}});
    }
    // An answer of several lines, each with CR LF, the first `gap` ms after the written line and
    // each further one `gap` ms later, as a thermometer sends them at 4800 baud.
    void answerLines(const std::vector<std::string>& lines, long gap = 50) {
        Answer a;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            a.parts.push_back({gap * static_cast<long>(i + 1), lines[i] + "\r\n"});
        }
        answers_.push_back(std::move(a));
    }
    void silence() { answers_.push_back({}); }

    bool open(std::string& reason) override {
        calls.push_back("open");
        if (!openFailure.empty()) {
            reason = openFailure;
            return false;
        }
        open_ = true;
        return true;
    }
    void close() override {
        calls.push_back("close");
        open_ = false;
    }
    bool isOpen() const override { return open_; }

    void setDtr(bool on) override { calls.push_back(on ? "dtr on" : "dtr off"); }
    void setRts(bool on) override { calls.push_back(on ? "rts on" : "rts off"); }
    void setBreak(bool on) override { calls.push_back(on ? "break on" : "break off"); }

    std::size_t inputCount() override { return input_.size(); }
    std::string readAll() override { return std::exchange(input_, {}); }
    void write(std::string_view bytes) override;
    void drain() override {}

    PortEvent waitEvent() override;
    void resetTicks() override { ticksReset_ = true; }
    void pause(int milliseconds) override {
        calls.push_back("pause " + std::to_string(milliseconds));
        advanceTo(now + milliseconds);
    }

    long now = 0;
    // Non-empty: open() fails with this reason.
    std::string openFailure;
    // Called at the start of every wait, where a window would process its cancel button.
    std::function<void()> onWait;

    std::string written;            // every byte written
    std::vector<std::string> lines; // the written lines without CR LF
    std::vector<std::string> calls; // open, close, dtr/rts/break on/off, pause N
    int waits = 0;

private:
    struct Event {
        std::string bytes;
        bool error;
    };
    struct Answer {
        std::vector<std::pair<long, std::string>> parts; // delay after the written line, bytes
    };
    void advanceTo(long t);

    std::multimap<long, Event> events_;
    std::deque<Answer> answers_;
    std::string input_;
    std::string partialLine_;
    bool pendingError_ = false;
    bool open_ = false;
    bool ticksReset_ = true;
    long tickBase_ = 0;
    long ticks_ = 0;
};

inline void ScriptedPort::write(std::string_view bytes) {
    written += bytes;
    partialLine_ += bytes;
    for (std::size_t end; (end = partialLine_.find("\r\n")) != std::string::npos;) {
        lines.push_back(partialLine_.substr(0, end));
        partialLine_.erase(0, end + 2);
        if (!answers_.empty()) {
            for (auto& [delay, bytes] : answers_.front().parts) {
                deliverAt(now + delay, bytes);
            }
            answers_.pop_front();
        }
    }
}

inline PortEvent ScriptedPort::waitEvent() {
    ++waits;
    if (onWait) {
        onWait();
    }
    if (pendingError_) {
        pendingError_ = false;
        return PortEvent::LineError;
    }
    if (ticksReset_) {
        ticksReset_ = false;
        tickBase_ = now;
        ticks_ = 0;
    }
    if (!input_.empty()) {
        return PortEvent::Received;
    }
    long nextTick = tickBase_ + 100 * (ticks_ + 1);
    if (!events_.empty() && events_.begin()->first <= nextTick) {
        advanceTo(events_.begin()->first);
        if (pendingError_) {
            pendingError_ = false;
            return PortEvent::LineError;
        }
        return PortEvent::Received;
    }
    advanceTo(nextTick);
    ++ticks_;
    return PortEvent::Tick;
}

inline void ScriptedPort::advanceTo(long t) {
    now = t;
    while (!events_.empty() && events_.begin()->first <= now) {
        Event& e = events_.begin()->second;
        input_ += e.bytes;
        pendingError_ = pendingError_ || e.error;
        events_.erase(events_.begin());
    }
}

} // namespace vestra::testing
