#pragma once

#include <string>
#include <sys/types.h>

namespace vestra {

// A process that holds a serial port, as far as the system lets us know it.
struct PortHolder {
    pid_t pid = 0;       // 0: unknown
    std::string program; // the process's command name; empty when unknown
    // A lock file whose process is gone but which this user may not remove (another user's, in
    // a sticky lock folder), and the name of its owner; empty when the port is not held so.
    std::string staleLock;
    std::string staleLockOwner;
    // A lock path that holds no regular file (a FIFO, a link, a folder, a socket). No serial
    // program makes one, so it is neither read nor removed, and the port is not taken.
    std::string unusableLock;
};

// True while the process exists (also when it belongs to another user).
bool IsProcessAlive(pid_t pid);

// The command name of a running process, from /proc; empty when it cannot be read.
std::string ProcessName(pid_t pid);

// Whether the device is a terminal line (a serial port, a pseudo-terminal), the only kind of
// device another program's use of would be in the way; /dev/null is open everywhere.
bool IsTerminalDevice(dev_t device);

// Another process that has the device (its st_rdev) open, as fuser finds it: through the
// descriptors in /proc of the processes this user may look at; pid 0 when none is found.
// A process that also holds the master side of a pseudo-terminal is the far end of that line
// (the simulator), not another user of it.
PortHolder FindProcessUsing(dev_t device);

} // namespace vestra
