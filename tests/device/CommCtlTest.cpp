#include "device/CommCtl.h"

#include "ScriptedPort.h"
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

} // namespace
} // namespace vestra
