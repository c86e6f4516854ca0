#include "base/OutputPath.h"

#include "base/FileFault.h"

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

// The rule of fs.protected_symlinks, for a link found by lstat as link.
bool mayFollow(const std::string& path, const struct stat& link) {
    struct stat folder {};
    if (::stat(ContainingFolder(path).c_str(), &folder) != 0) {
        return false;
    }
    bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

bool followLinks(std::string& path, std::string& reason) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            // A name not yet there is a new file; any other failure is the reason.
            if (errno == ENOENT) {
                return true;
            }
            reason = FileFaultText(errno);
            return false;
        }
        if (!S_ISLNK(st.st_mode)) {
            return true;
        }
        if (!mayFollow(path, st)) {
            reason = kForeignLink;
            return false;
        }
        std::vector<char> target(static_cast<std::size_t>(PATH_MAX) + 1);
        ssize_t n = ::readlink(path.c_str(), target.data(), target.size() - 1);
        if (n < 0) {
            reason = FileFaultText(errno);
            return false;
        }
        std::string link(target.data(), static_cast<std::size_t>(n));
        path = link.starts_with('/') ? link : ContainingFolder(path) + "/" + link;
    }
    reason = FileFaultText(ELOOP);
    return false;
}

} // namespace

std::string ContainingFolder(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool ResolveOutputPath(const std::string& path, std::string& target, std::string& reason) {
    target = path;
    if (!followLinks(target, reason)) {
        return false;
    }
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0 || S_ISREG(st.st_mode)) {
        return true;
    }
    reason = S_ISDIR(st.st_mode) ? FileFaultText(EISDIR) : kNotRegularFile;
    return false;
}

bool CheckOutputPlace(const std::string& path, std::string& reason) {
    std::string target;
    if (!ResolveOutputPath(path, target, reason)) {
        return false;
    }
    // By the effective user, as the writer's own open will be judged.
    if (::faccessat(AT_FDCWD, ContainingFolder(target).c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        reason = FileFaultText(errno);
        return false;
    }
    return true;
}

} // namespace vestra
