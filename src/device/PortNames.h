#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vestra {

// Entries of the settings file's [Ports] section, for example {"COM3", "/dev/ttyUSB0"}.
using PortEntries = std::vector<std::pair<std::string, std::string>>;

// The device of serial port number n (1 to 16): the [Ports] entry "COMn" (key in any letter
// case) when it names a device, else /dev/ttyS(n-1), the n-th built-in port.
std::string PortDeviceName(int portNumber, const PortEntries& entries);

// Why a port could not be opened, as the port implementations classify it.
enum class PortFailure { NoDevice, NoPermission, Busy, Other };

// The classification of an errno value from open(2) or tcsetattr(3).
PortFailure PortFailureFromErrno(int error);

// The line added under the "port cannot be used" message, naming the device and what to do.
std::string DescribePortFailure(PortFailure failure, std::string_view device);

} // namespace vestra
