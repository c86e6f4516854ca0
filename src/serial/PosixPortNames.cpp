#include "serial/PortNames.h"

#include <filesystem>

namespace vestra {

// The serial driver numbers the built-in UARTs from ttyS0.
std::string BuiltInPortName(int portNumber) {
    return "/dev/ttyS" + std::to_string(portNumber - 1);
}

std::string ResolvedPortPath(const std::string& path) {
    std::error_code error;
    std::filesystem::path real = std::filesystem::canonical(path, error);
    return error ? path : real.string();
}

} // namespace vestra
