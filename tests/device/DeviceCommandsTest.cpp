#include "device/DeviceCommands.h"

#include "RecordingObserver.h"
#include "ScriptedPort.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

using testing::RecordingObserver;
using testing::ScriptedPort;

GroupSetting setting(std::string tag, float emissivity, float high, float low) {
    GroupSetting g;
    g.tag = std::move(tag);
    g.emissivity = emissivity;
    g.alarmHigh = high;
    g.alarmLow = low;
    return g;
}

TEST(CommandLineTest, ClockIsSentWithLeadingZerosAndA24HourClock) {
    EXPECT_EQ(TimCommand({2008, 5, 12, 13, 45, 7}), "TIM 2008/05/12 13:45:07");
    EXPECT_EQ(TimCommand({2010, 1, 2, 0, 0, 0}), "TIM 2010/01/02 00:00:00");
    EXPECT_EQ(TimCommand({2079, 12, 31, 23, 59, 59}), "TIM 2079/12/31 23:59:59");
}

TEST(CommandLineTest, LabelIsTrimmed) {
    EXPECT_EQ(LblCommand("  ﾗｲﾝ1 "), "LBL ﾗｲﾝ1");
}

TEST(CommandLineTest, GroupLineFormatsEveryField) {
    EXPECT_EQ(SetCommand(3, setting("TAG", 0.95f, 500, -40)), "SET 03 TAG 0.95 500 -40");
    EXPECT_EQ(SetCommand(1, setting(" A ", 1.0f, 0, -40)), "SET 01 A 1.00 0 -40");
    EXPECT_EQ(SetCommand(15, setting("B", 0.3f, 932, 31.5f)), "SET 15 B 0.30 932 32");
    EXPECT_EQ(SetCommand(10, setting("C", 1.9f, -0.4f, -40)), "SET 10 C 1.90 0 -40");
}

class ExchangeTest : public ::testing::Test {
protected:
    ScriptedPort port;
    CommState state;
    RecordingObserver observer;
    CommSession session{port, state, observer};
};

TEST_F(ExchangeTest, SingleCommandFinishesTheProgressOnOk) {
    port.answer("OK\r\n");
    SendClock(session, {2008, 5, 12, 0, 0, 0});
    EXPECT_EQ(port.lines, (std::vector<std::string>{"TIM 2008/05/12 00:00:00"}));
    EXPECT_EQ(state.LastResult, CommResult::ResultOk);
    EXPECT_EQ(observer.progress, (std::vector<int>{17}));
    EXPECT_EQ(port.calls, (std::vector<std::string>{"pause 1000", "pause 500"}));
}

TEST_F(ExchangeTest, RefusedCommandLeavesTheProgressAlone) {
    port.answer("ng2\r\n");
    SendClear(session);
    EXPECT_EQ(port.lines, (std::vector<std::string>{"CLR"}));
    EXPECT_EQ(state.LastResult, CommResult::ResultDeviceNg);
    EXPECT_TRUE(observer.progress.empty());
    EXPECT_TRUE(port.calls.empty());
}

TEST_F(ExchangeTest, ResetSendsRst) {
    port.answer("NG1\r\n");
    SendReset(session);
    EXPECT_EQ(port.lines, (std::vector<std::string>{"RST"}));
    EXPECT_EQ(state.LastResult, CommResult::ResultBatteryAlarm);
}

DeviceSettings sampleSettings() {
    DeviceSettings s;
    s.label = "LINE-A";
    for (int g = 1; g <= 15; ++g) {
        s.group(g) = setting("T" + std::to_string(g), 0.95f, 400, -10);
    }
    return s;
}

TEST_F(ExchangeTest, UploadSendsLabelThenEveryGroupInOrder) {
    for (int i = 0; i < 16; ++i) {
        port.answer("OK\r\n");
    }
    UploadSettings(session, sampleSettings());
    ASSERT_EQ(port.lines.size(), 16u);
    EXPECT_EQ(port.lines[0], "LBL LINE-A");
    EXPECT_EQ(port.lines[1], "SET 01 T1 0.95 400 -10");
    EXPECT_EQ(port.lines[15], "SET 15 T15 0.95 400 -10");
    EXPECT_EQ(observer.progress.size(), 15u);
    EXPECT_EQ(state.LastResult, CommResult::ResultOk);
}

TEST_F(ExchangeTest, UploadStopsAtTheFirstRefusal) {
    for (int i = 0; i < 5; ++i) {
        port.answer("OK\r\n");
    }
    port.answer("NG4\r\n");
    port.answer("OK\r\n");
    UploadSettings(session, sampleSettings());
    EXPECT_EQ(port.lines.size(), 6u);
    EXPECT_EQ(port.lines.back(), "SET 05 T5 0.95 400 -10");
    EXPECT_EQ(observer.progress.size(), 4u);
    EXPECT_EQ(state.LastResult, CommResult::ResultDeviceNg);
}

TEST_F(ExchangeTest, RefusedLabelSendsNoGroup) {
    port.answer("LBL?\r\n");
    UploadSettings(session, sampleSettings());
    EXPECT_EQ(port.lines, (std::vector<std::string>{"LBL LINE-A"}));
    EXPECT_EQ(state.LastResult, CommResult::ResultBadReply);
}

} // namespace
} // namespace vestra
