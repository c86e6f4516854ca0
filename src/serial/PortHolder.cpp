#include "serial/PortHolder.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace vestra {
namespace {

// The multiplexer every pseudo-terminal master is opened from (/dev/ptmx).
const dev_t kPtyMaster = makedev(5, 2);
// Unix 98 pseudo-terminal slaves: majors 136 to 143, 256 minors each.
constexpr unsigned kFirstPtySlaveMajor = 136;
constexpr unsigned kPtySlaveMajors = 8;

// The number of the pseudo-terminal slave device is; -1 for any other device.
int ptySlaveIndex(dev_t device) {
    unsigned block = major(device) - kFirstPtySlaveMajor;
    return block < kPtySlaveMajors ? static_cast<int>(block * 256 + minor(device)) : -1;
}

// The pseudo-terminal a master descriptor serves, from its fdinfo; -1 when unknown.
int masterIndex(const std::filesystem::path& process, const std::filesystem::path& fd) {
    std::ifstream info(process / "fdinfo" / fd);
    for (std::string line; std::getline(info, line);) {
        if (line.starts_with("tty-index:")) {
            return std::atoi(line.c_str() + 10);
        }
    }
    return -1;
}

} // namespace

bool IsTerminalDevice(dev_t device) {
    std::error_code error;
    std::filesystem::path subsystem =
        std::filesystem::read_symlink("/sys/dev/char/" + std::to_string(major(device)) + ":" +
                                          std::to_string(minor(device)) + "/subsystem",
                                      error);
    return ptySlaveIndex(device) >= 0 || (!error && subsystem.filename() == "tty");
}

bool IsProcessAlive(pid_t pid) {
    return pid > 0 && (kill(pid, 0) == 0 || errno == EPERM);
}

std::string ProcessName(pid_t pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

PortHolder FindProcessUsing(dev_t device) {
    namespace fs = std::filesystem;
    int ptyIndex = ptySlaveIndex(device);
    std::error_code error;
    for (const fs::directory_entry& process : fs::directory_iterator("/proc", error)) {
        std::string name = process.path().filename();
        if (name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        pid_t pid = static_cast<pid_t>(std::stol(name));
        if (pid == getpid()) {
            continue;
        }
        bool holds = false;
        bool farEnd = false;
        std::error_code denied;
        for (const fs::directory_entry& fd :
             fs::directory_iterator(process.path() / "fd", denied)) {
            struct stat st {};
            if (::stat(fd.path().c_str(), &st) != 0 || !S_ISCHR(st.st_mode)) {
                continue;
            }
            holds = holds || st.st_rdev == device;
            farEnd = farEnd || (ptyIndex >= 0 && st.st_rdev == kPtyMaster &&
                                masterIndex(process.path(), fd.path().filename()) == ptyIndex);
        }
        if (holds && !farEnd) {
            return {pid, ProcessName(pid), {}, {}, {}};
        }
    }
    return {};
}

} // namespace vestra
