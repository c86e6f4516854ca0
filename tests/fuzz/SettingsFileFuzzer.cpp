// The settings-file reader on arbitrary bytes: parsed in memory and read through every function
// that takes a file, with every key of every section looked up. Changing a value and reading the
// document again must give back the value set.
#include "base/IniFile.h"
#include "base/Settings.h"
#include "fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>

namespace {

using namespace vestra;
using fuzzing::FuzzCheck;

// The readers take a file name; an in-memory file avoids the disk.
class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("settings", 0)) {
        FuzzCheck(fd_ >= 0, "an in-memory file can be made");
    }
    ~MemoryFile() { ::close(fd_); }

    std::string write(std::string_view bytes) const {
        FuzzCheck(::ftruncate(fd_, 0) == 0 && ::pwrite(fd_, bytes.data(), bytes.size(), 0) ==
                                                  static_cast<ssize_t>(bytes.size()),
                  "the in-memory file takes the bytes");
        return "/proc/self/fd/" + std::to_string(fd_);
    }

private:
    int fd_;
};

constexpr std::string_view kSections[] = {"Setting", "Print", "Ports"};
constexpr std::string_view kKeys[] = {"Unit", "UnitChange", "ComPort", "LastFile", "Data", "Group"};

void readInMemory(std::string_view bytes) {
    IniFile ini = IniFile::Parse(bytes);
    for (std::string_view section : kSections) {
        for (const auto& [key, value] : ini.entries(section)) {
            FuzzCheck(ini.value(section, key).has_value(), "every listed key can be looked up");
        }
        for (std::string_view key : kKeys) {
            ini.value(section, key);
        }
    }
    ini.set("Setting", "LastFile", "/home/ﾃｽﾄ/a.dat");
    IniFile again = IniFile::Parse(ini.serialize());
    FuzzCheck(again.value("Setting", "LastFile") == "/home/ﾃｽﾄ/a.dat",
              "a value set is the value read back");
}

void readFromFile(std::string_view bytes) {
    static const MemoryFile file;
    std::string path = file.write(bytes);
    Settings settings;
    LoadSettings(path, settings);
    FuzzCheck(settings.PortNumber >= 1 && settings.PortNumber <= 16, "the port is 1 to 16");
    FuzzCheck(settings.PrintGroupOption >= 0 && settings.PrintGroupOption <= 2,
              "the print choice is 0 to 2");
    for (std::string_view key : kKeys) {
        ReadIniString(path, "Setting", key);
    }
    for (const auto& [port, device] : ReadPortMap(path)) {
        FuzzCheck(port >= 0 && port <= 999, "port numbers have at most three digits");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    readInMemory(bytes);
    readFromFile(bytes);
    return 0;
}
