#include "serial/PortLock.h"

#include "base/FileRead.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace vestra {
namespace {

constexpr int kAttempts = 2; // the second one after removing a stale lock

bool WriteAll(int fd, const std::string& text) {
    return ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

// Other Qt programs judge a lock by comparing this name with the holder's executable.
std::string OwnProgramName() {
    char exe[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    std::string path = n > 0 ? std::string(exe, static_cast<std::size_t>(n)) : "vestra";
    return path.substr(path.rfind('/') + 1);
}

std::string HostName() {
    char host[HOST_NAME_MAX + 1] = {};
    return gethostname(host, sizeof host - 1) == 0 ? host : "";
}

// Longer than any lock file of the convention: a PID, a program name and a host name.
constexpr std::size_t kMaxLockBytes = 1024;

// What a lock path holds.
struct LockContent {
    bool regularFile = true; // false: a FIFO, a link, a folder, a socket, a device
    pid_t owner = 0;         // the PID on its first line; 0 when there is none
};

// The PID on the first line; blanks around it are allowed (the older ten-column form has them).
pid_t LockOwner(const std::string& text) {
    std::istringstream in(text);
    long long pid = 0;
    if (!(in >> pid) || pid <= 0 || pid > INT_MAX) {
        return 0;
    }
    return static_cast<pid_t>(pid);
}

// Anyone may plant something at a lock path in a shared lock folder. It is looked at without
// being followed or waited for: reading a FIFO would block until a writer came, opening a
// device could raise its lines, and a link could lead to any file. A path that is gone or that
// this user may not read holds no lock, as before.
LockContent ReadLock(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return {};
    }
    if (!S_ISREG(info.st_mode)) {
        return {false, 0};
    }
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return {errno != ELOOP, 0}; // ELOOP: a link put there since it was looked at
    }
    // A lock that cannot be read holds no PID.
    bool regularFile = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    FileContents contents;
    if (regularFile) {
        contents = ReadDescriptor(fd, kMaxLockBytes).value_or(FileContents());
    }
    ::close(fd);
    return {regularFile, LockOwner(contents.bytes)};
}

// The user name of the file's owner, or its number when it has none.
std::string FileOwnerName(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return "?";
    }
    const struct passwd* user = getpwuid(st.st_uid);
    return user != nullptr ? user->pw_name : std::to_string(st.st_uid);
}

// A folder holding something at the lock path is used even when this user cannot write it,
// so that what is there is honoured or named; a link counts, wherever it leads.
bool UsableFolder(const std::string& folder, const std::string& file) {
    struct stat info {};
    return access(folder.c_str(), R_OK | X_OK) == 0 &&
           (::lstat(file.c_str(), &info) == 0 || access(folder.c_str(), W_OK) == 0);
}

} // namespace

std::string LockFileName(const std::string& device) {
    std::string name = device.starts_with("/dev/") ? device.substr(5) : device;
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    return "LCK.." + name;
}

PortLock::PortLock(std::vector<std::string> directories) : directories_(std::move(directories)) {}

PortLock::~PortLock() {
    release();
}

std::vector<std::string> PortLock::DefaultDirectories() {
    return {"/var/lock", "/etc/locks", "/var/spool/locks",  "/var/spool/uucp",
            "/tmp",      "/var/tmp",   "/var/lock/lockdev", "/run/lock"};
}

std::string PortLock::lockPath(const std::string& device) const {
    for (const std::string& folder : directories_) {
        std::string file = folder + "/" + LockFileName(device);
        if (UsableFolder(folder, file)) {
            return file;
        }
    }
    return {};
}

bool PortLock::acquire(const std::string& device, PortHolder& holder) {
    release();
    std::string file = lockPath(device);
    if (file.empty()) {
        return true;
    }
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0) {
            bool written = WriteAll(fd, std::to_string(getpid()) + "\n" + OwnProgramName() + "\n" +
                                            HostName() + "\n");
            ::close(fd);
            if (!written) {
                unlink(file.c_str());
                return true;
            }
            path_ = file;
            return true;
        }
        if (errno != EEXIST) {
            return true; // a folder we may not write after all: nothing to honour
        }
        LockContent lock = ReadLock(file);
        if (!lock.regularFile) {
            holder = {0, {}, {}, {}, file};
            return false;
        }
        pid_t owner = lock.owner;
        if (IsProcessAlive(owner)) {
            holder = {owner, ProcessName(owner), {}, {}, {}};
            return false;
        }
        if (unlink(file.c_str()) != 0 && (errno == EACCES || errno == EPERM)) {
            holder = {0, {}, file, FileOwnerName(file), {}};
            return false;
        }
    }
    holder = {};
    return false;
}

void PortLock::release() {
    if (!path_.empty() && ReadLock(path_).owner == getpid()) {
        unlink(path_.c_str());
    }
    path_.clear();
}

} // namespace vestra
