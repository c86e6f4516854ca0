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
Expected<void> isRegular(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return unexpected(Error{FileFaultText(errno)});
    }
    if (!S_ISREG(st.st_mode)) {
        return unexpected(Error{S_ISDIR(st.st_mode) ? FileFaultText(EISDIR) : kNotRegularFile});
    }
    return {};
}

} // namespace

Expected<FileContents> ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    if (Expected<void> regular = isRegular(path); !regular) {
        return unexpected(regular.error());
    }
    // Non-blocking, so that opening a FIFO does not wait for a writer; a regular file ignores it.
    FileHandle file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.fd() < 0) {
        return unexpected(Error{FileFaultText(errno)});
    }
    // The name may have been swapped for something else since it was looked at.
    struct stat st {};
    if (::fstat(file.fd(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return unexpected(Error{kNotRegularFile});
    }
    return ReadDescriptor(file.fd(), maxBytes);
}

Expected<FileContents> ReadDescriptor(int fd, std::size_t maxBytes) {
    FileContents contents;
    if (!readUpTo(fd, maxBytes, contents)) {
        return unexpected(Error{FileFaultText(errno)});
    }
    return contents;
}

} // namespace vestra
