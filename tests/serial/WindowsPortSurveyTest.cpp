#include "serial/WindowsPortSurvey.h"

#include "serial/PortNames.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

TEST(WindowsPortSurveyTest, NumbersUpToSixteenAreTheirOwnPortsHigherOnesAdapters) {
    PortSurvey survey = SurveyOfComNames({"COM100", "COM3", "COM23", "COM1", "COM16", "COM17"});
    EXPECT_EQ(survey.builtIn, (std::set<int>{1, 3, 16}));
    std::vector<std::string> adapters;
    for (const UsbSerialPort& adapter : survey.adapters) {
        EXPECT_EQ(adapter.device, adapter.byIdPath);
        adapters.push_back(adapter.device);
    }
    EXPECT_EQ(adapters, (std::vector<std::string>{"COM17", "COM23", "COM100"}));
}

// COM23 becomes port 2 beside COM1, as the [Ports] entry COM2=COM23, and opens as COM23.
TEST(WindowsPortSurveyTest, AnAdapterAboveSixteenTakesAFreeNumberByItsName) {
    std::map<int, std::string> ports;
    PortSurvey survey = SurveyOfComNames({"COM1", "COM23"});
    EXPECT_EQ(AssignNewAdapters(ports, survey), (std::vector<int>{2}));
    EXPECT_EQ(PortDeviceName(2, PortEntriesOf(ports)), "COM23");
    EXPECT_EQ(AssignNewAdapters(ports, survey), (std::vector<int>{}));
}

} // namespace
} // namespace vestra
