#include "serial/PortSurvey.h"

#include "base/VisibleText.h"
#include "serial/PortNames.h"

#include <algorithm>

namespace vestra {
namespace {

bool Named(const std::map<int, std::string>& portMap, const UsbSerialPort& adapter) {
    return std::any_of(portMap.begin(), portMap.end(), [&](const auto& entry) {
        return entry.second == adapter.byIdPath || ResolvedPortPath(entry.second) == adapter.device;
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
    std::string device = ResolvedPortPath(path);
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
        lines.push_back(BuiltInPortName(n) + "\tbuilt-in");
    }
    for (const UsbSerialPort& adapter : survey.adapters) {
        // Names and descriptions come from the adapters' own USB descriptors.
        lines.push_back(VisibleText(adapter.device) + "\t" + VisibleText(adapter.byIdPath) + "\t" +
                        VisibleText(PortDescription(adapter.byIdPath, survey)));
    }
    return lines;
}

} // namespace vestra
