#include "serial/LineTrace.h"

#include <cerrno>
#include <cstring>

namespace vestra {
namespace {

// A whole import is a few kilobytes of dump; the buffer never fills during one.
constexpr std::size_t kBufferSize = 1 << 20;

} // namespace

LineTrace::~LineTrace() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

bool LineTrace::open(const std::string& path, std::string& reason) {
    file_ = std::fopen(path.c_str(), "w");
    if (file_ == nullptr) {
        reason = std::strerror(errno);
        return false;
    }
    std::setvbuf(file_, nullptr, _IOFBF, kBufferSize);
    start_ = std::chrono::steady_clock::now();
    return true;
}

void LineTrace::flush() {
    if (file_ != nullptr) {
        std::fflush(file_);
    }
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
    if (file_ == nullptr) {
        return;
    }
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                  std::chrono::steady_clock::now() - start_)
                  .count();
    std::fprintf(file_, "%8lld %c %.*s\n", static_cast<long long>(ms), mark,
                 static_cast<int>(text.size()), text.data());
}

} // namespace vestra
