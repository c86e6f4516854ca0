#include "shell/AtomicFile.h"

#include "shell/FileFault.h"

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vestra {
namespace {

// The kernel's own limit on links followed while resolving one name.
constexpr int kMaxLinkHops = 40;

std::string folderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows symbolic links at path until a name that is not one (or does not exist yet), so that
// the rename replaces the file the link points to and not the link.
bool resolveLinks(std::string& path, int& error) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            error = errno;
            return errno == ENOENT;
        }
        if (!S_ISLNK(st.st_mode)) {
            return true;
        }
        std::vector<char> target(static_cast<std::size_t>(PATH_MAX) + 1);
        ssize_t n = ::readlink(path.c_str(), target.data(), target.size() - 1);
        if (n < 0) {
            error = errno;
            return false;
        }
        std::string link(target.data(), static_cast<std::size_t>(n));
        path = link.starts_with('/') ? link : folderOf(path) + "/" + link;
    }
    error = ELOOP;
    return false;
}

// An existing target must be a plain file: renaming over a device or a FIFO would replace it.
bool checkTarget(const std::string& path, std::string& reason) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode)) {
        return true;
    }
    reason = S_ISDIR(st.st_mode) ? FileFaultText(EISDIR) : kNotRegularFile;
    return false;
}

mode_t modeFor(const std::string& path) {
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        return old.st_mode & 07777;
    }
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool isOurTemporary(std::string_view name) {
    return name.size() == kTemporaryNameLength && name.starts_with(kTemporaryPrefix);
}

void removeStaleTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    std::time_t limit = std::time(nullptr) - kStaleTemporarySeconds;
    while (const dirent* entry = ::readdir(dir)) {
        struct stat st {};
        if (isOurTemporary(entry->d_name) &&
            ::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_mtime < limit) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// After the rename the folder entry must reach the disk too, or a crash could bring back the
// old name's contents.
void syncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes the temporary whole and closes it; errno tells the first failure.
bool fillTemporary(int fd, mode_t mode, std::string_view bytes) {
    bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        return false;
    }
    errno = error;
    return ok;
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason) {
    std::string target = path;
    int error = 0;
    if (!resolveLinks(target, error)) {
        reason = FileFaultText(error);
        return false;
    }
    if (!checkTarget(target, reason)) {
        return false;
    }
    std::string folder = folderOf(target);
    removeStaleTemporaries(folder);
    std::string pattern = folder + "/" + std::string(kTemporaryPrefix) + "XXXXXX";
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        reason = FileFaultText(errno);
        return false;
    }
    if (!fillTemporary(fd, modeFor(target), bytes) || ::rename(temp.data(), target.c_str()) != 0) {
        reason = FileFaultText(errno);
        ::unlink(temp.data());
        return false;
    }
    syncFolder(folder);
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string reason;
    return WriteFileAtomically(path, bytes, reason);
}

} // namespace vestra
