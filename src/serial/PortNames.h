#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vestra {

// Entries of the settings file's [Ports] section, for example {"COM3", "/dev/ttyUSB0"}.
using PortEntries = std::vector<std::pair<std::string, std::string>>;

// The [Ports] section as the settings file gives it (3 -> /dev/ttyUSB0), as entries.
PortEntries PortEntriesOf(const std::map<int, std::string>& portMap);

// The device of serial port number n (1 to 16): the [Ports] entry "COMn" (key in any letter
// case) when it names a device, else /dev/ttyS(n-1), the n-th built-in port.
std::string PortDeviceName(int portNumber, const PortEntries& entries);

} // namespace vestra
