#pragma once

#include <string>

namespace vestra {

// Why a serial port could not be opened, in words for the user; shown on the line below the
// port failure message.
std::string PortMissingReason(const std::string& port);
std::string PortPermissionReason(const std::string& port);
std::string PortBusyReason(const std::string& port);
std::string PortNotSerialReason(const std::string& port);
std::string PortOtherReason(const std::string& port, const std::string& detail);

} // namespace vestra
