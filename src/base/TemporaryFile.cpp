#include "base/TemporaryFile.h"

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vestra {
namespace {

constexpr std::size_t kSuffixLength = 6;
// Names are tried until one is free; a folder full of our names is not worth more tries.
constexpr int kNameAttempts = 100;

std::string namePrefix() {
    return std::string(kTemporaryPrefix) + TemporaryHostPart() + "." + std::to_string(::getpid()) +
           ".";
}

std::string randomSuffix() {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string suffix;
    for (std::size_t i = 0; i < kSuffixLength; ++i) {
        suffix += kLetters[pick(random)];
    }
    return suffix;
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool allLettersOrDigits(std::string_view text) {
    for (char c : text) {
        bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!letter) {
            return false;
        }
    }
    return true;
}

// The process that made a temporary of this host, or 0 when name is not one. The host part
// may hold dots; the pid and the suffix are read from the right.
pid_t madeBy(std::string_view name) {
    if (!name.starts_with(kTemporaryPrefix)) {
        return 0;
    }
    name.remove_prefix(kTemporaryPrefix.size());
    std::size_t suffixDot = name.rfind('.');
    if (suffixDot == std::string_view::npos || suffixDot == 0 ||
        name.size() - suffixDot - 1 != kSuffixLength ||
        !allLettersOrDigits(name.substr(suffixDot + 1))) {
        return 0;
    }
    std::size_t pidDot = name.rfind('.', suffixDot - 1);
    if (pidDot == std::string_view::npos || pidDot == 0) {
        return 0;
    }
    std::string_view pid = name.substr(pidDot + 1, suffixDot - pidDot - 1);
    if (name.substr(0, pidDot) != TemporaryHostPart() || !allDigits(pid) || pid.size() > 9) {
        return 0;
    }
    return static_cast<pid_t>(std::stol(std::string(pid)));
}

bool processGone(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
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
    std::string pattern = folder_ + "/" + namePrefix() + std::string(kSuffixLength, 'X');
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
        std::string name = folder_ + "/" + namePrefix() + randomSuffix();
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
        pid_t pid = madeBy(entry->d_name);
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
