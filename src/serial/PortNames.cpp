#include "serial/PortNames.h"

#include "base/AsciiText.h"

namespace vestra {

PortEntries PortEntriesOf(const std::map<int, std::string>& portMap) {
    PortEntries entries;
    for (const auto& [number, device] : portMap) {
        entries.emplace_back("COM" + std::to_string(number), device);
    }
    return entries;
}

std::string PortDeviceName(int portNumber, const PortEntries& entries) {
    std::string key = "COM" + std::to_string(portNumber);
    for (const auto& [name, device] : entries) {
        std::string_view trimmed = ascii::TrimBlanks(name);
        if (trimmed.size() == key.size() && ascii::StartsWithKeyword(trimmed, key)) {
            std::string_view path = ascii::TrimBlanks(device);
            if (!path.empty()) {
                return std::string(path);
            }
        }
    }
    return BuiltInPortName(portNumber);
}

int ComPortNumber(std::string_view name) {
    if (name.size() < 4 || name.size() > 6 || !ascii::StartsWithKeyword(name, "COM")) {
        return 0;
    }
    int number = 0;
    for (char c : name.substr(3)) {
        if (c < '0' || c > '9') {
            return 0;
        }
        number = number * 10 + (c - '0');
    }
    return number;
}

} // namespace vestra
