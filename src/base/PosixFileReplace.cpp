#include "base/FileFault.h"
#include "base/FileReplace.h"
#include "base/OutputPath.h"
#include "base/PosixTemporaryFile.h"
#include "base/WriteAll.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vestra {
namespace {

mode_t umaskMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The replaced file's owner and group stay where the process may set them (root may give both;
// a user may give a group of its own); a refusal keeps what was allowed and is no failure.
void keepOwner(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) == 0) {
        return;
    }
    [[maybe_unused]] bool groupKept = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
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

// Writes the temporary whole, flushed to disk, named and closed; errno tells the first failure.
// The mode is set after the owner, whose change clears the set-id bits.
bool fillTemporary(TemporaryFile& temp, const struct stat* old, mode_t mode,
                   std::string_view bytes) {
    if (old != nullptr) {
        keepOwner(temp.fd(), *old);
    }
    return ::fchmod(temp.fd(), mode) == 0 && WriteAll(temp.fd(), bytes) &&
           ::fsync(temp.fd()) == 0 && temp.finish();
}

} // namespace

Expected<void> ReplaceWithBytes(const std::string& target, std::string_view bytes) {
    struct stat old {};
    bool exists = ::stat(target.c_str(), &old) == 0;
    mode_t mode = exists ? old.st_mode & 07777 : umaskMode();
    std::string folder = ContainingFolder(target);
    TemporaryFile temp(folder);
    if (!temp.create(mode) || !fillTemporary(temp, exists ? &old : nullptr, mode, bytes) ||
        ::rename(temp.path().c_str(), target.c_str()) != 0) {
        return unexpected(Error{FileFaultText(errno)});
    }
    temp.keep();
    syncFolder(folder);
    return {};
}

} // namespace vestra
