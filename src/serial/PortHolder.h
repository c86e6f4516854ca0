#pragma once

#include <string>
#include <sys/types.h>

namespace vestra {

// A process that holds a serial port, as far as the system lets us know it.
struct PortHolder {
    pid_t pid = 0;       // 0: unknown
    std::string program; // the process's command name; empty when unknown
};

// True while the process exists (also when it belongs to another user).
bool IsProcessAlive(pid_t pid);

// The command name of a running process, from /proc; empty when it cannot be read.
std::string ProcessName(pid_t pid);

// Another process that has the device open, found through /proc (only processes whose
// descriptors we may look at); pid 0 when none is found.
PortHolder FindProcessUsing(const std::string& device);

} // namespace vestra
