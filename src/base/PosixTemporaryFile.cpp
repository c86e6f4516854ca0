#include "base/PosixTemporaryFile.h"

#include "base/TemporaryFile.h"

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vestra {
namespace {

// Names are tried until one is free; a folder full of our names is not worth more tries.
constexpr int kNameAttempts = 100;

bool processGone(long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

std::string TemporaryHostPart() {
    std::array<char, HOST_NAME_MAX + 1> host{};
    if (::gethostname(host.data(), host.size() - 1) != 0 || host[0] == '\0') {
        return "localhost";
    }
    std::string name = host.data();
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    return name;
}

TemporaryFile::~TemporaryFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!path_.empty()) {
        ::unlink(path_.c_str());
    }
}

bool TemporaryFile::create(mode_t mode) {
    fd_ = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (fd_ >= 0) {
        return true;
    }
    // File systems without unnamed files refuse in one of these ways.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        return false;
    }
    return createNamed();
}

// Created with mode 0600; the caller sets the final mode.
bool TemporaryFile::createNamed() {
    std::string pattern =
        folder_ + "/" + TemporaryNamePrefix(::getpid()) + std::string(kTemporarySuffixLength, 'X');
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0) {
        return false;
    }
    path_ = name.data();
    return true;
}

// The privileged way first (it needs no /proc), then the one every user has.
bool TemporaryFile::link() {
    std::string self = "/proc/self/fd/" + std::to_string(fd_);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = folder_ + "/" + NewTemporaryName(::getpid());
        if (::linkat(fd_, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0 ||
            (errno != EEXIST &&
             ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)) {
            path_ = name;
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

bool TemporaryFile::finish() {
    bool named = !path_.empty() || link();
    int error = errno;
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && named) {
        return false;
    }
    errno = error;
    return named;
}

void RemoveStaleTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    std::time_t limit = std::time(nullptr) - kStaleTemporarySeconds;
    while (const dirent* entry = ::readdir(dir)) {
        long pid = TemporaryMaker(entry->d_name);
        struct stat st {};
        if (pid > 0 && ::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_mtime < limit &&
            processGone(pid)) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

} // namespace vestra
