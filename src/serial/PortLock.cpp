#include "serial/PortLock.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <fstream>
#include <pwd.h>
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

// The PID on the first line; blanks around it are allowed (the older ten-column form has them).
pid_t LockOwner(const std::string& path) {
    std::ifstream in(path);
    long long pid = 0;
    if (!(in >> pid) || pid <= 0 || pid > INT_MAX) {
        return 0;
    }
    return static_cast<pid_t>(pid);
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

bool UsableFolder(const std::string& folder, const std::string& file) {
    return access(folder.c_str(), R_OK | X_OK) == 0 &&
           (access(file.c_str(), F_OK) == 0 || access(folder.c_str(), W_OK) == 0);
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
        int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
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
        pid_t owner = LockOwner(file);
        if (IsProcessAlive(owner)) {
            holder = {owner, ProcessName(owner), {}, {}};
            return false;
        }
        if (unlink(file.c_str()) != 0 && (errno == EACCES || errno == EPERM)) {
            holder = {0, {}, file, FileOwnerName(file)};
            return false;
        }
    }
    holder = {};
    return false;
}

void PortLock::release() {
    if (!path_.empty() && LockOwner(path_) == getpid()) {
        unlink(path_.c_str());
    }
    path_.clear();
}

} // namespace vestra
