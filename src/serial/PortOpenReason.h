#pragma once

#include "serial/PortHolder.h"

#include <string>

namespace vestra {

// Why a serial port could not be opened, in words for the user; shown on the line below the
// port failure message.
std::string PortMissingReason(const std::string& port);
// group: the group that owns the device (usually dialout); memberNow: whether this process
// already has that group, in which case joining it is not the advice.
std::string PortPermissionReason(const std::string& port, const std::string& group, bool memberNow);
std::string PortBusyReason(const std::string& port, const PortHolder& holder);
// holder names a lock file left by an ended process that only its owner or root may remove.
std::string PortStaleLockReason(const std::string& port, const PortHolder& holder);
// holder names a lock path that holds something other than a regular file.
std::string PortUnusableLockReason(const std::string& port, const PortHolder& holder);
std::string PortNotSerialReason(const std::string& port);
std::string PortOtherReason(const std::string& port, const std::string& detail);

} // namespace vestra
