#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace vestra {

// A transcript of the serial line, for finding out at a customer's site why a thermometer's
// answer was refused. Opt-in only: the tool writes one with --trace FILE, the application when
// VESTRA_TRACE names a file. Each line: milliseconds since the trace began, a mark and the
// text. ">" bytes sent, "<" bytes received (non-printable bytes as \r, \n or \xHH), "*" what
// happened on the line (break, time-out, line error, result, a refused dump line).
// Lines are collected in a large buffer and written when the connection is over, so that the
// trace does not slow the exchange down.
class LineTrace {
public:
    LineTrace() = default;
    ~LineTrace();
    LineTrace(const LineTrace&) = delete;
    LineTrace& operator=(const LineTrace&) = delete;

    // Creates or empties the file, with the checks of every output (ResolveOutputPath): a FIFO,
    // a device or a planted link is refused before anything waits on it. False with the
    // reason in words (base/FileFault) when it cannot.
    bool open(const std::string& path, std::string& reason);
    bool isOpen() const { return fd_ >= 0; }

    void sent(std::string_view bytes) { record('>', Escaped(bytes)); }
    void received(std::string_view bytes) { record('<', Escaped(bytes)); }
    void note(std::string_view text) { record('*', text); }
    // Writes what is collected; called between connections. False with the reason of the
    // first write that failed since open (the transcript is then incomplete).
    bool flush(std::string& reason);

    // Bytes as the trace shows them.
    static std::string Escaped(std::string_view bytes);

private:
    void record(char mark, std::string_view text);
    void noteFailure();

    int fd_ = -1;
    std::string buffer_;  // what is not written yet
    std::string failure_; // the reason of the first failed write; empty while none failed
    std::chrono::steady_clock::time_point start_;
};

} // namespace vestra
