#include "serial/PosixPortSurvey.h"

#include "files/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vestra {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::WriteBytes;

// A machine laid out in a folder: /dev with its by-id links, /sys/class/tty with the USB
// devices above each tty, as the kernel shows them.
class FakeMachine {
public:
    FakeMachine() {
        fs::create_directories(root_.path() / "dev/serial/by-id");
        fs::create_directories(root_.path() / "sys/class/tty");
    }

    // An adapter on ttyName; fields empty are missing from sysfs.
    std::string addAdapter(const std::string& link, const std::string& ttyName,
                           const std::map<std::string, std::string>& fields) {
        fs::path device = root_.path() / "dev" / ttyName;
        WriteBytes(device.string(), "");
        fs::path usb = root_.path() / "sys/devices/usb1" / ttyName;
        fs::path interface = usb / "1-1:1.0" / ttyName;
        fs::create_directories(interface);
        for (const auto& [name, value] : fields) {
            WriteBytes((usb / name).string(), value + "\n");
        }
        fs::create_directories(root_.path() / "sys/class/tty" / ttyName);
        fs::create_directory_symlink(interface,
                                     root_.path() / "sys/class/tty" / ttyName / "device");
        fs::path byId = root_.path() / "dev/serial/by-id" / link;
        fs::create_symlink("../../" + ttyName, byId);
        return byId.string();
    }
    // A built-in port ttyS<index> with the given UART type (0: none behind it).
    void addBuiltIn(int index, const std::string& type) {
        fs::path folder = root_.path() / "sys/class/tty" / ("ttyS" + std::to_string(index));
        fs::create_directories(folder);
        WriteBytes((folder / "type").string(), type + "\n");
    }
    std::string device(const std::string& ttyName) const {
        return (root_.path() / "dev" / ttyName).string();
    }
    SystemFolders folders() const {
        return {(root_.path() / "dev/serial/by-id").string(),
                (root_.path() / "sys/class/tty").string()};
    }

private:
    TempFolder root_{"vestra-machine"};
};

TEST(PortSurveyTest, FindsAdaptersWithTheirDescriptionAndBuiltInPortsWithHardware) {
    FakeMachine machine;
    std::string ftdi = machine.addAdapter("usb-FTDI_FT232R_A1-if00-port0", "ttyUSB0",
                                          {{"idVendor", "0403"},
                                           {"idProduct", "6001"},
                                           {"serial", "A1"},
                                           {"manufacturer", "FTDI"},
                                           {"product", "FT232R USB UART"}});
    std::string acm = machine.addAdapter("usb-Maker_Cable-if00", "ttyACM0",
                                         {{"idVendor", "2341"}, {"idProduct", "0043"}});
    machine.addBuiltIn(0, "4");
    machine.addBuiltIn(1, "0");

    PortSurvey survey = SurveyPorts(machine.folders());
    ASSERT_EQ(survey.adapters.size(), 2u);
    const UsbSerialPort& first = survey.adapters[0];
    EXPECT_EQ(first.byIdPath, ftdi);
    EXPECT_EQ(first.device, machine.device("ttyUSB0"));
    EXPECT_EQ(first.description, "FTDI FT232R USB UART");
    EXPECT_EQ(first.vendorId + ":" + first.productId, "0403:6001");
    EXPECT_EQ(first.serial, "A1");
    EXPECT_EQ(survey.adapters[1].byIdPath, acm);
    EXPECT_EQ(survey.adapters[1].serial, "");
    EXPECT_EQ(survey.builtIn, (std::set<int>{1}));

    EXPECT_EQ(PortDescription(ftdi, survey),
              machine.device("ttyUSB0") + " FTDI FT232R USB UART (0403:6001) S/N A1");
    EXPECT_EQ(PortDescription(machine.device("ttyACM0"), survey),
              machine.device("ttyACM0") + " (2341:0043)");
    EXPECT_EQ(PortDescription("/dev/ttyS4", survey), "/dev/ttyS4");
}

TEST(PortSurveyTest, NothingToFindOnAMachineWithoutPorts) {
    PortSurvey survey = SurveyPorts({"/nonexistent/by-id", "/nonexistent/tty"});
    EXPECT_TRUE(survey.adapters.empty());
    EXPECT_TRUE(survey.builtIn.empty());
}

} // namespace
} // namespace vestra
