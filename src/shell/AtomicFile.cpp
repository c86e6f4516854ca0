#include "shell/AtomicFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vestra {
namespace {

struct PathParts {
    std::string folder;
    std::string name;
};

PathParts splitPath(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return {".", path};
    }
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The new file keeps the permissions of the file it replaces; a new name gets the usual ones.
mode_t modeFor(const std::string& path) {
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        return old.st_mode & 07777;
    }
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// After the rename the folder entry must reach the disk too, or a crash could bring back the
// old name's contents.
void syncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    PathParts parts = splitPath(path);
    std::string pattern = parts.folder + "/." + parts.name + ".XXXXXX";
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    bool ok = ::fchmod(fd, modeFor(path)) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.data(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.data());
        return false;
    }
    syncFolder(parts.folder);
    return true;
}

bool ReadFilePrefix(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return false;
    }
    // Read in pieces: the limit is far above the usual size, and a buffer of the full limit for
    // every small settings file would cost more than the reading itself.
    bytes.clear();
    std::array<char, 16384> piece;
    while (bytes.size() < maxBytes && file) {
        std::size_t wanted = std::min(piece.size(), maxBytes - bytes.size());
        file.read(piece.data(), static_cast<std::streamsize>(wanted));
        bytes.append(piece.data(), static_cast<std::size_t>(file.gcount()));
    }
    return !file.bad();
}

} // namespace vestra
