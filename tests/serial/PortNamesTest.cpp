#include "serial/PortNames.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(PortNamesTest, BuiltInPortsUnlessTheSettingsNameAnother) {
    PortEntries none;
    EXPECT_EQ(PortDeviceName(1, none), BuiltInPortName(1));
    EXPECT_EQ(PortDeviceName(16, none), BuiltInPortName(16));

    PortEntries entries{{"com3", "/dev/ttyUSB0"}, {"COM31", "/dev/ttyACM9"}, {"COM4", "  "}};
    EXPECT_EQ(PortDeviceName(3, entries), "/dev/ttyUSB0");
    EXPECT_EQ(PortDeviceName(4, entries), BuiltInPortName(4)); // an empty entry names nothing
    EXPECT_EQ(PortDeviceName(13, entries), BuiltInPortName(13));
    EXPECT_EQ(PortDeviceName(31, entries), "/dev/ttyACM9");
}

// Linux numbers its UARTs from ttyS0; Windows names every port by its number.
TEST(PortNamesTest, BuiltInPortOfThePlatform) {
#ifdef _WIN32
    const char* expected[] = {"COM1", "COM4", "COM16"};
#else
    const char* expected[] = {"/dev/ttyS0", "/dev/ttyS3", "/dev/ttyS15"};
#endif
    EXPECT_EQ(BuiltInPortName(1), expected[0]);
    EXPECT_EQ(BuiltInPortName(4), expected[1]);
    EXPECT_EQ(BuiltInPortName(16), expected[2]);
}

TEST(PortNamesTest, ComNumbersOfUpToThreeDigitsInAnyLetterCase) {
    const std::pair<const char*, int> cases[] = {
        {"COM1", 1}, {"com16", 16}, {"CoM999", 999}, {"COM", 0},        {"COM1000", 0},
        {"COMx", 0}, {"COM1 ", 0},  {"LPT1", 0},     {"/dev/ttyS0", 0},
    };
    for (const auto& [name, number] : cases) {
        EXPECT_EQ(ComPortNumber(name), number) << name;
    }
}

} // namespace
} // namespace vestra
