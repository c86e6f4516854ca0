#pragma once

#include "serial/PortHolder.h"

#include <string>
#include <vector>

namespace vestra {

// The lock-file convention of serial programs on Linux (the one Qt's serial port, minicom and
// others honour): a file LCK..<device name> in the first usable lock folder, holding the PID of
// the process that has the port, its program name and the host name. A file whose process no
// longer runs is stale and taken over.
class PortLock {
public:
    explicit PortLock(std::vector<std::string> directories = DefaultDirectories());
    ~PortLock();
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

    // Locks device (a path under /dev, symbolic links already resolved). False when a living
    // process holds the lock (holder then says which), or when a lock file whose process is
    // gone cannot be removed by this user (holder then names the file and its owner). Where no lock
    // folder can be written, the convention cannot be kept and the port is not refused for it.
    bool acquire(const std::string& device, PortHolder& holder);
    // Removes the lock file if this object made it.
    void release();

    // Where the lock of device lies; empty when no folder is usable.
    std::string lockPath(const std::string& device) const;

    static std::vector<std::string> DefaultDirectories();

private:
    std::vector<std::string> directories_;
    std::string path_; // the lock file made by acquire
};

// "LCK..ttyUSB0" for /dev/ttyUSB0, "LCK..pts_3" for /dev/pts/3.
std::string LockFileName(const std::string& device);

} // namespace vestra
