#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vestra {

// Entries of the settings file's [Ports] section, for example {"COM3", "/dev/ttyUSB0"}.
using PortEntries = std::vector<std::pair<std::string, std::string>>;

// The [Ports] section as the settings file gives it (3 -> /dev/ttyUSB0), as entries.
PortEntries PortEntriesOf(const std::map<int, std::string>& portMap);

// The device of serial port number n (1 to 16): the [Ports] entry "COMn" (key in any letter
// case) when it names a device, else BuiltInPortName(n).
std::string PortDeviceName(int portNumber, const PortEntries& entries);

// The port that number n is without a [Ports] entry, the platform's own name for it:
// /dev/ttyS(n-1), the n-th built-in port, on Linux (PosixPortNames); COMn on Windows
// (WindowsPortNames), where the system itself numbers every port, adapters too.
std::string BuiltInPortName(int portNumber);

// The device a port name stands for: on Linux with its links resolved (a /dev/serial/by-id/ link
// and the device it points to are one port), the name itself when it cannot be resolved; on
// Windows the name as given.
std::string ResolvedPortPath(const std::string& path);

// The n of "COMn" (any letter case, up to three digits); 0 when the text is no port number.
int ComPortNumber(std::string_view name);

} // namespace vestra
