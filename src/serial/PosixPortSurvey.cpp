#include "serial/PosixPortSurvey.h"

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
        port.device = ResolvedPortPath(port.byIdPath);
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

} // namespace

PortSurvey SurveyPorts(const SystemFolders& folders) {
    return {UsbAdapters(folders), BuiltInPorts(folders)};
}

PortSurvey SurveyPorts() {
    return SurveyPorts(SystemFolders{});
}

} // namespace vestra
