#include "serial/PortSurvey.h"

#include "files/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vestra {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::WriteBytes;
using PortMap = std::map<int, std::string>;

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

struct AssignCase {
    const char* name;
    PortMap before;
    std::set<int> builtIn;
    std::vector<std::string> adapters; // by-id links; the device is the link + "-tty"
    PortMap after;
    std::vector<int> given;
};

PortSurvey SurveyOf(const AssignCase& c) {
    PortSurvey survey;
    survey.builtIn = c.builtIn;
    for (const std::string& link : c.adapters) {
        survey.adapters.push_back({link, link + "-tty", "", "", "", ""});
    }
    return survey;
}

TEST(PortSurveyTest, NewAdaptersGetTheLowestFreeNumberOnce) {
    std::map<int, std::string> full;
    for (int n = 1; n <= 16; ++n) {
        full[n] = "/dev/x" + std::to_string(n);
    }
    const AssignCase cases[] = {
        {"first adapter on a machine with COM1", {}, {1}, {"/by-id/a"}, {{2, "/by-id/a"}}, {2}},
        {"two adapters, a hand entry between",
         {{3, "/dev/ttyUSB9"}},
         {1},
         {"/by-id/a", "/by-id/b"},
         {{2, "/by-id/a"}, {3, "/dev/ttyUSB9"}, {4, "/by-id/b"}},
         {2, 4}},
        {"an adapter already known keeps its number",
         {{7, "/by-id/a"}},
         {},
         {"/by-id/a"},
         {{7, "/by-id/a"}},
         {}},
        {"an adapter named by its device is known",
         {{5, "/by-id/a-tty"}},
         {},
         {"/by-id/a"},
         {{5, "/by-id/a-tty"}},
         {}},
        {"no free number", full, {}, {"/by-id/a"}, full, {}},
    };
    for (const AssignCase& c : cases) {
        PortMap ports = c.before;
        EXPECT_EQ(AssignNewAdapters(ports, SurveyOf(c)), c.given) << c.name;
        EXPECT_EQ(ports, c.after) << c.name;
    }
}

TEST(PortSurveyTest, ListingShowsEveryNumberAndEveryPortFound) {
    PortSurvey survey;
    survey.builtIn = {1};
    survey.adapters.push_back({"/by-id/a", "/dev/ttyUSB0", "Maker Cable", "0403", "6001", "S1"});
    std::vector<std::string> lines = PortListing({{2, "/by-id/a"}}, survey);
    ASSERT_EQ(lines.size(), 16u + 3u);
    EXPECT_EQ(lines[0], "COM1\t/dev/ttyS0");
    EXPECT_EQ(lines[1], "COM2\t/by-id/a\t/dev/ttyUSB0 Maker Cable (0403:6001) S/N S1");
    EXPECT_EQ(lines[15], "COM16\t/dev/ttyS15");
    EXPECT_EQ(lines[16], "Detected serial ports:");
    EXPECT_EQ(lines[17], "/dev/ttyS0\tbuilt-in");
    EXPECT_EQ(lines[18], "/dev/ttyUSB0\t/by-id/a\t/dev/ttyUSB0 Maker Cable (0403:6001) S/N S1");
}

// A USB descriptor is the adapter maker's text: it reaches the terminal escaped.
TEST(PortSurveyTest, ListingEscapesControlCharactersOfAdapters) {
    PortSurvey survey;
    survey.adapters.push_back({"/by-id/a\x1b", "/dev/ttyUSB0", "Cable\x1b[2J", "", "", ""});
    std::vector<std::string> lines = PortListing({{2, "/by-id/a\x1b"}}, survey);
    EXPECT_EQ(lines[1], "COM2\t/by-id/a\\x1b\t/dev/ttyUSB0 Cable\\x1b[2J");
    EXPECT_EQ(lines.back(), "/dev/ttyUSB0\t/by-id/a\\x1b\t/dev/ttyUSB0 Cable\\x1b[2J");
}

} // namespace
} // namespace vestra
