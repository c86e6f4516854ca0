#include "serial/PortNames.h"

namespace vestra {

// Windows gives every port its COM number, a USB adapter as well, and keeps it for that adapter.
std::string BuiltInPortName(int portNumber) {
    return "COM" + std::to_string(portNumber);
}

// A COM name is no link; asking the file system about a device name would open the port.
std::string ResolvedPortPath(const std::string& path) {
    return path;
}

} // namespace vestra
