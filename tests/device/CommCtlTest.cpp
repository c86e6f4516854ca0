#include "device/CommCtl.h"

#include "ScriptedPort.h"
#include "serial/PortNames.h"
#include "support/RecordingMessages.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace vestra {
namespace {

using testing::RecordingMessages;
using testing::ScriptedPort;
using Lines = std::vector<std::string>;

TEST(OpenCommPortTest, RaisesDtrAndRtsAndClearsTheLastResult) {
    ScriptedPort port;
    CommState state;
    state.LastResult = CommResult::ResultNoResponse;
    RecordingMessages messages;
    EXPECT_TRUE(OpenCommPort(port, state, messages));
    EXPECT_EQ(port.calls, (Lines{"open", "dtr on", "rts on"}));
    EXPECT_EQ(state.LastResult, CommResult::ResultOk);
    EXPECT_TRUE(messages.entries.empty());
}

TEST(OpenCommPortTest, PortThatCannotBeOpenedAsksForAnotherWithTheReason) {
    ScriptedPort port;
    port.openFailure = "/dev/ttyS4 がありません。";
    CommState state;
    state.LastResult = CommResult::ResultBadDump;
    RecordingMessages messages;
    EXPECT_FALSE(OpenCommPort(port, state, messages));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "選択されている通信ﾎﾟｰﾄは使用できません。\r\n"
                                        "別ﾎﾟｰﾄを選択して下さい。\r\n"
                                        "/dev/ttyS4 がありません。");
    EXPECT_EQ(messages.entries[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(port.calls, (Lines{"open"}));
    EXPECT_EQ(state.LastResult, CommResult::ResultOk);
}

TEST(CloseCommPortTest, ClosesAndDropsTheLinesOnlyWhenOpen) {
    ScriptedPort port;
    CloseCommPort(port);
    EXPECT_TRUE(port.calls.empty());
    std::string reason;
    port.open(reason);
    CloseCommPort(port);
    EXPECT_EQ(port.calls, (Lines{"open", "close", "dtr off", "rts off"}));
    EXPECT_FALSE(port.isOpen());
}

TEST(PortNamesTest, BuiltInPortsUnlessTheSettingsNameAnother) {
    PortEntries none;
    EXPECT_EQ(PortDeviceName(1, none), "/dev/ttyS0");
    EXPECT_EQ(PortDeviceName(16, none), "/dev/ttyS15");

    PortEntries entries{{"com3", "/dev/ttyUSB0"}, {"COM31", "/dev/ttyACM9"}, {"COM4", "  "}};
    EXPECT_EQ(PortDeviceName(3, entries), "/dev/ttyUSB0");
    EXPECT_EQ(PortDeviceName(4, entries), "/dev/ttyS3"); // an empty entry names nothing
    EXPECT_EQ(PortDeviceName(13, entries), "/dev/ttyS12");
    EXPECT_EQ(PortDeviceName(31, entries), "/dev/ttyACM9");
}

} // namespace
} // namespace vestra
