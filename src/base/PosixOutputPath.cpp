#include "base/FileFault.h"
#include "base/OutputPath.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vestra {
namespace {

// The kernel's own limit on links followed while resolving one name.
constexpr int kMaxLinkHops = 40;

// The rule of fs.protected_symlinks and fs.protected_regular, for a link or file at path
// owned by owner: in a sticky folder writable by all, only this user's and the folder owner's.
bool mayUse(const std::string& path, uid_t owner) {
    struct stat folder {};
    if (::stat(ContainingFolder(path).c_str(), &folder) != 0) {
        return false;
    }
    bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || owner == ::geteuid() || owner == folder.st_uid;
}

// The name at the end of path's links.
Expected<std::string> followLinks(std::string path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            // A name not yet there is a new file; any other failure is the reason.
            if (errno == ENOENT) {
                return path;
            }
            return unexpected(Error{FileFaultText(errno)});
        }
        if (!S_ISLNK(st.st_mode)) {
            return path;
        }
        if (!mayUse(path, st.st_uid)) {
            return unexpected(Error{kForeignLink});
        }
        std::vector<char> target(static_cast<std::size_t>(PATH_MAX) + 1);
        ssize_t n = ::readlink(path.c_str(), target.data(), target.size() - 1);
        if (n < 0) {
            return unexpected(Error{FileFaultText(errno)});
        }
        std::string link(target.data(), static_cast<std::size_t>(n));
        path = link.starts_with('/') ? link : ContainingFolder(path) + "/" + link;
    }
    return unexpected(Error{FileFaultText(ELOOP)});
}

} // namespace

std::string ContainingFolder(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

Expected<std::string> ResolveOutputPath(const std::string& path) {
    Expected<std::string> target = followLinks(path);
    if (!target) {
        return target;
    }
    struct stat st {};
    if (::stat(target->c_str(), &st) != 0 || S_ISREG(st.st_mode)) {
        return target;
    }
    return unexpected(Error{S_ISDIR(st.st_mode) ? FileFaultText(EISDIR) : kNotRegularFile});
}

Expected<int> OpenOutputFile(const std::string& path) {
    Expected<std::string> target = ResolveOutputPath(path);
    if (!target) {
        return unexpected(target.error());
    }
    // Not emptied at the open: whose file it is is known only once it is open.
    int fd = ::open(target->c_str(),
                    O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) {
        return unexpected(Error{FileFaultText(errno)});
    }
    std::string reason;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        reason = kNotRegularFile;
    } else if (!mayUse(*target, st.st_uid)) {
        reason = kForeignFile;
    } else if (::ftruncate(fd, 0) != 0) {
        reason = FileFaultText(errno);
    } else {
        return fd;
    }
    ::close(fd);
    return unexpected(Error{reason});
}

Expected<void> CheckOutputPlace(const std::string& path) {
    Expected<std::string> target = ResolveOutputPath(path);
    if (!target) {
        return unexpected(target.error());
    }
    // By the effective user, as the writer's own open will be judged.
    if (::faccessat(AT_FDCWD, ContainingFolder(*target).c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        return unexpected(Error{FileFaultText(errno)});
    }
    return {};
}

} // namespace vestra
