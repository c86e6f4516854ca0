#include "base/FileFault.h"
#include "base/FileRead.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vestra {
namespace {

class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

// Reads until maxBytes or the end; one byte past maxBytes tells whether the file holds more.
bool readUpTo(int fd, std::size_t maxBytes, FileContents& contents) {
    std::array<char, 16384> piece;
    contents.bytes.clear();
    contents.whole = true;
    for (;;) {
        ssize_t n = ::read(fd, piece.data(), piece.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            return true;
        }
        if (!TakePiece(contents, std::string_view(piece.data(), static_cast<std::size_t>(n)),
                       maxBytes)) {
            return true;
        }
    }
}

// Looked at before opening: opening a serial device would already raise its control lines.
bool isRegular(const std::string& path, std::string& reason) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        reason = FileFaultText(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        reason = S_ISDIR(st.st_mode) ? FileFaultText(EISDIR) : kNotRegularFile;
        return false;
    }
    return true;
}

} // namespace

bool ReadRegularFile(const std::string& path, std::size_t maxBytes, FileContents& contents,
                     std::string& reason) {
    if (!isRegular(path, reason)) {
        return false;
    }
    // Non-blocking, so that opening a FIFO does not wait for a writer; a regular file ignores it.
    FileHandle file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.fd() < 0) {
        reason = FileFaultText(errno);
        return false;
    }
    // The name may have been swapped for something else since it was looked at.
    struct stat st {};
    if (::fstat(file.fd(), &st) != 0 || !S_ISREG(st.st_mode)) {
        reason = kNotRegularFile;
        return false;
    }
    return ReadDescriptor(file.fd(), maxBytes, contents, reason);
}

bool ReadDescriptor(int fd, std::size_t maxBytes, FileContents& contents, std::string& reason) {
    if (!readUpTo(fd, maxBytes, contents)) {
        reason = FileFaultText(errno);
        return false;
    }
    return true;
}

} // namespace vestra
