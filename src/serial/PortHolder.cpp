#include "serial/PortHolder.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace vestra {

bool IsProcessAlive(pid_t pid) {
    return pid > 0 && (kill(pid, 0) == 0 || errno == EPERM);
}

std::string ProcessName(pid_t pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

PortHolder FindProcessUsing(const std::string& device) {
    namespace fs = std::filesystem;
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
        std::error_code denied;
        for (const fs::directory_entry& fd :
             fs::directory_iterator(process.path() / "fd", denied)) {
            std::error_code unreadable;
            if (fs::read_symlink(fd.path(), unreadable) == device) {
                return {pid, ProcessName(pid)};
            }
        }
    }
    return {};
}

} // namespace vestra
