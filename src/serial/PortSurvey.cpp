#include "serial/PortSurvey.h"

#include "base/VisibleText.h"
#include "serial/PortNames.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace vestra {
namespace {

namespace fs = std::filesystem;

std::string FirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string Resolved(const std::string& path) {
    std::error_code error;
    fs::path real = fs::canonical(path, error);
    return error ? path : real.string();
}

// The USB device above a tty in sysfs is the first folder upwards with an idVendor file.
void DescribeFromSysfs(UsbSerialPort& port, const SystemFolders& folders) {
    std::error_code error;
    std::string name = fs::path(port.device).filename();
    fs::path at = fs::canonical(fs::path(folders.ttyClass) / name / "device", error);
    for (; !error && at.has_relative_path(); at = at.parent_path()) {
        if (fs::exists(at / "idVendor")) {
            port.vendorId = FirstLine(at / "idVendor");
            port.productId = FirstLine(at / "idProduct");
            port.serial = FirstLine(at / "serial");
            std::string maker = FirstLine(at / "manufacturer");
            std::string product = FirstLine(at / "product");
            port.description = maker.empty() ? product : maker + " " + product;
            return;
        }
    }
}

std::vector<UsbSerialPort> UsbAdapters(const SystemFolders& folders) {
    std::vector<UsbSerialPort> adapters;
    std::error_code error;
    for (const fs::directory_entry& link : fs::directory_iterator(folders.byId, error)) {
        UsbSerialPort port;
        port.byIdPath = link.path().string();
        port.device = Resolved(port.byIdPath);
        DescribeFromSysfs(port, folders);
        adapters.push_back(std::move(port));
    }
    std::sort(adapters.begin(), adapters.end(),
              [](const auto& a, const auto& b) { return a.byIdPath < b.byIdPath; });
    return adapters;
}

// The serial core marks a ttyS without a UART as type 0 (unknown).
std::set<int> BuiltInPorts(const SystemFolders& folders) {
    std::set<int> present;
    for (int n = 1; n <= kPortCount; ++n) {
        fs::path type = fs::path(folders.ttyClass) / ("ttyS" + std::to_string(n - 1)) / "type";
        std::string value = FirstLine(type);
        if (!value.empty() && value != "0") {
            present.insert(n);
        }
    }
    return present;
}

bool Named(const std::map<int, std::string>& portMap, const UsbSerialPort& adapter) {
    return std::any_of(portMap.begin(), portMap.end(), [&](const auto& entry) {
        return entry.second == adapter.byIdPath || Resolved(entry.second) == adapter.device;
    });
}

int LowestFreeNumber(const std::map<int, std::string>& portMap, const std::set<int>& builtIn) {
    for (int n = 1; n <= kPortCount; ++n) {
        if (!portMap.count(n) && !builtIn.count(n)) {
            return n;
        }
    }
    return 0;
}

} // namespace

PortSurvey SurveyPorts(const SystemFolders& folders) {
    return {UsbAdapters(folders), BuiltInPorts(folders)};
}

std::vector<int> AssignNewAdapters(std::map<int, std::string>& portMap, const PortSurvey& survey) {
    std::vector<int> given;
    for (const UsbSerialPort& adapter : survey.adapters) {
        if (Named(portMap, adapter)) {
            continue;
        }
        int n = LowestFreeNumber(portMap, survey.builtIn);
        if (n == 0) {
            break;
        }
        portMap[n] = adapter.byIdPath;
        given.push_back(n);
    }
    return given;
}

const UsbSerialPort* FindAdapter(const PortSurvey& survey, const std::string& path) {
    std::string device = Resolved(path);
    for (const UsbSerialPort& adapter : survey.adapters) {
        if (adapter.byIdPath == path || adapter.device == device) {
            return &adapter;
        }
    }
    return nullptr;
}

std::string PortDescription(const std::string& path, const PortSurvey& survey) {
    const UsbSerialPort* adapter = FindAdapter(survey, path);
    if (adapter == nullptr) {
        return path;
    }
    std::string text = adapter->device;
    if (!adapter->description.empty()) {
        text += " " + adapter->description;
    }
    if (!adapter->vendorId.empty()) {
        text += " (" + adapter->vendorId + ":" + adapter->productId + ")";
    }
    if (!adapter->serial.empty()) {
        text += " S/N " + adapter->serial;
    }
    return text;
}

std::vector<std::string> PortListing(const std::map<int, std::string>& portMap,
                                     const PortSurvey& survey) {
    std::vector<std::string> lines;
    PortEntries entries = PortEntriesOf(portMap);
    for (int n = 1; n <= kPortCount; ++n) {
        std::string device = PortDeviceName(n, entries);
        std::string line = "COM" + std::to_string(n) + "\t" + VisibleText(device);
        if (FindAdapter(survey, device) != nullptr) {
            line += "\t" + VisibleText(PortDescription(device, survey));
        }
        lines.push_back(line);
    }
    lines.emplace_back("Detected serial ports:");
    for (int n : survey.builtIn) {
        lines.push_back("/dev/ttyS" + std::to_string(n - 1) + "\tbuilt-in");
    }
    for (const UsbSerialPort& adapter : survey.adapters) {
        // Names and descriptions come from the adapters' own USB descriptors.
        lines.push_back(VisibleText(adapter.device) + "\t" + VisibleText(adapter.byIdPath) + "\t" +
                        VisibleText(PortDescription(adapter.byIdPath, survey)));
    }
    return lines;
}

} // namespace vestra
