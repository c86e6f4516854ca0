#include "serial/LineTrace.h"

#include "base/FileFault.h"
#include "base/OutputPath.h"
#include "base/WriteAll.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace vestra {
namespace {

// A whole import is a few kilobytes of dump; the buffer never fills during one.
constexpr std::size_t kBufferSize = 1 << 20;

} // namespace

// What a caller did not flush is still written; only flush tells whether it was.
LineTrace::~LineTrace() {
    if (fd_ >= 0) {
        std::string ignored;
        flush(ignored);
        ::close(fd_);
    }
}

bool LineTrace::open(const std::string& path, std::string& reason) {
    Expected<int> fd = OpenOutputFile(path);
    if (!fd) {
        reason = fd.error().text;
        return false;
    }
    fd_ = *fd;
    buffer_.reserve(kBufferSize);
    start_ = std::chrono::steady_clock::now();
    return true;
}

void LineTrace::noteFailure() {
    if (failure_.empty()) {
        failure_ = FileFaultText(errno);
    }
}

bool LineTrace::flush(std::string& reason) {
    if (fd_ >= 0 && !WriteAll(fd_, buffer_)) {
        noteFailure();
    }
    buffer_.clear();
    reason = failure_;
    return failure_.empty();
}

std::string LineTrace::Escaped(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n";
        } else if (c == '\\') {
            text += "\\\\";
        } else if (byte >= 0x20 && byte < 0x7F) {
            text += c;
        } else {
            text += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
        }
    }
    return text;
}

void LineTrace::record(char mark, std::string_view text) {
    if (fd_ < 0) {
        return;
    }
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                  std::chrono::steady_clock::now() - start_)
                  .count();
    std::array<char, 16> time{};
    std::snprintf(time.data(), time.size(), "%8lld ", static_cast<long long>(ms));
    buffer_ += time.data();
    buffer_ += mark;
    buffer_ += ' ';
    buffer_ += text;
    buffer_ += '\n';
    if (buffer_.size() >= kBufferSize) {
        std::string ignored;
        flush(ignored);
    }
}

} // namespace vestra
