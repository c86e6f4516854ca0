#include "device/Connection.h"

#include "DumpText.h"
#include "RecordingObserver.h"
#include "ScriptedPort.h"
#include "base/TemperatureUnit.h"
#include "device/CommCtl.h"

#include <gtest/gtest.h>
#include <optional>

namespace vestra {
namespace {

using testing::MemoryDump;
using testing::RecordingObserver;
using testing::ScriptedPort;

using Lines = std::vector<std::string>;

// The thermometer's answer to MEM: the reply, then the dump.
Lines okThen(Lines dump) {
    dump.insert(dump.begin(), "OK");
    return dump;
}

class ConnectionTest : public ::testing::Test {
protected:
    // Opens the port as a caller does, runs the whole connection without a window.
    ConnectionOutcome runMode(ConnectionMode mode) {
        std::string reason;
        EXPECT_TRUE(port.open(reason));
        state.CurrentMode = mode;
        Connection connection(port, state, data, TemperatureUnit::Celsius, observer);
        return connection.runFromStart();
    }
    void expectClosedAfterBye() {
        ASSERT_FALSE(port.lines.empty());
        EXPECT_EQ(port.lines.back(), "BYE");
        EXPECT_FALSE(port.isOpen());
        ASSERT_GE(port.calls.size(), 3u);
        EXPECT_EQ(Lines(port.calls.end() - 3, port.calls.end()),
                  (Lines{"close", "dtr off", "rts off"}));
    }
    static std::vector<int> steps(int from, int to) {
        std::vector<int> v;
        for (int i = from; i <= to; ++i) {
            v.push_back(i);
        }
        return v;
    }

    ScriptedPort port;
    CommState state;
    DataStore data;
    RecordingObserver observer;
};

TEST_F(ConnectionTest, ImportRunsWakeUpGreetingDumpAndFarewell) {
    std::array<int, 15> counts{};
    counts[0] = 3;
    counts[4] = 2;
    port.answer("OK\r\n");
    port.answerLines(okThen(MemoryDump(counts))); // the reply to MEM, then the dump
    runMode(ConnectionMode::ModeImportMemory);

    EXPECT_EQ(state.LastResult, CommResult::ResultOk);
    EXPECT_EQ(port.lines, (Lines{"HEL", "MEM", "BYE"}));
    EXPECT_EQ(port.written, "HEL\r\nMEM\r\nBYE\r\n");
    EXPECT_EQ(Lines(port.calls.begin(), port.calls.begin() + 6),
              (Lines{"open", "break on", "pause 100", "break off", "pause 100", "pause 800"}));
    expectClosedAfterBye();
    EXPECT_EQ(observer.statuses,
              (Lines{"本体の起動中。", "通信を確立中。", "ﾒﾓﾘﾃﾞｰﾀの取り込み中。"}));
    EXPECT_EQ(observer.progress, steps(1, 18));
    EXPECT_EQ(data.importBuffer.totalCount, 5);
    EXPECT_EQ(data.importBuffer.group(5).recordCount, 2);
    EXPECT_FALSE(data.hasData); // committing is the caller's decision
}

TEST_F(ConnectionTest, FullMemoryOf150ReadingsArrivesLineByLine) {
    std::array<int, 15> counts{};
    counts[0] = 100;
    counts[14] = 50;
    port.answer("OK\r\n");
    port.answerLines(okThen(MemoryDump(counts)), 55); // about 26 characters at 4800 baud
    runMode(ConnectionMode::ModeImportMemory);
    EXPECT_EQ(state.LastResult, CommResult::ResultOk);
    EXPECT_EQ(data.importBuffer.totalCount, 150);
    EXPECT_FLOAT_EQ(data.importBuffer.group(15).recordValues[49], 15.0f);
}

// The outcome names the result, hands back a reading mode's whole answer, and counts what had
// arrived whole when the line went silent: the 3 readings of group 1, then group 5 begun with 1
// of its 2, which does not count.
TEST_F(ConnectionTest, TheOutcomeCarriesTheWholeAnswerOrWhatArrivedBeforeACut) {
    std::array<int, 15> counts{};
    counts[0] = 3;
    counts[4] = 2;
    Lines whole = MemoryDump(counts);
    Lines cut(whole.begin(), whole.begin() + 36);
    struct Case {
        const char* name;
        ConnectionMode mode;
        Lines answer;
        CommResult result;
        std::optional<int> receivedCount;
        ReceivedReadings soFar;
    } cases[] = {
        {"whole import",
         ConnectionMode::ModeImportMemory,
         okThen(whole),
         CommResult::ResultOk,
         5,
         {5, 15}},
        {"import cut",
         ConnectionMode::ModeImportMemory,
         okThen(cut),
         CommResult::ResultNoResponse,
         std::nullopt,
         {3, 5}},
        {"clear", ConnectionMode::ModeClearMemory, {"OK"}, CommResult::ResultOk, std::nullopt, {}},
    };
    for (const Case& c : cases) {
        port = ScriptedPort{};
        data = DataStore{};
        state = CommState{};
        port.answer("OK\r\n");
        if (IsReadingMode(c.mode)) {
            port.answerLines(c.answer);
        } else {
            port.answer(c.answer.front() + "\r\n");
        }
        ConnectionOutcome outcome = runMode(c.mode);
        EXPECT_EQ(outcome.result, c.result) << c.name;
        EXPECT_EQ(state.LastResult, c.result) << c.name;
        ASSERT_EQ(outcome.received.has_value(), c.receivedCount.has_value()) << c.name;
        if (c.receivedCount) {
            EXPECT_EQ(outcome.received->totalCount, *c.receivedCount) << c.name;
        }
        EXPECT_EQ(outcome.soFar.readings, c.soFar.readings) << c.name;
        EXPECT_EQ(outcome.soFar.group, c.soFar.group) << c.name;
    }
}

TEST_F(ConnectionTest, SilentThermometerStillGetsByeAndThePortCloses) {
    runMode(ConnectionMode::ModeImportMemory);
    EXPECT_EQ(state.LastResult, CommResult::ResultNoResponse);
    EXPECT_EQ(port.lines, (Lines{"HEL", "BYE"}));
    EXPECT_EQ(observer.progress, (std::vector<int>{1, 2}));
    expectClosedAfterBye();
    // The greeting 1000 ms after the break began (the 200 ms wake-up included), then 21 silent
    // ticks.
    EXPECT_EQ(port.now, Connection::kStartDelayMs + 2100);
}

TEST_F(ConnectionTest, RejectedDumpEndsWithBadDumpAndBye) {
    Lines dump = MemoryDump({});
    dump[5] = "ALARM(H)=23F"; // a Fahrenheit thermometer
    port.answer("OK\r\n");
    port.answerLines(okThen(dump));
    runMode(ConnectionMode::ModeImportMemory);
    EXPECT_EQ(state.LastResult, CommResult::ResultBadDump);
    EXPECT_EQ(port.lines, (Lines{"HEL", "MEM", "BYE"}));
    EXPECT_EQ(data.importBuffer.group(1).tag, "G1");
    expectClosedAfterBye();
}

TEST_F(ConnectionTest, RefusedMemCommandReportsTheReply) {
    port.answer("OK\r\n");
    port.answer("NG1\r\n");
    runMode(ConnectionMode::ModeReadSettings);
    EXPECT_EQ(state.LastResult, CommResult::ResultBatteryAlarm);
    EXPECT_EQ(port.lines, (Lines{"HEL", "MEM S", "BYE"}));
    expectClosedAfterBye();
}

TEST_F(ConnectionTest, CancelDuringTheDumpEndsWithUserAbort) {
    port.answer("OK\r\n");
    port.answerLines(okThen(MemoryDump({})), 400);
    Connection* running = nullptr;
    port.onWait = [&] {
        if (port.lines.size() == 2 && port.now > 5000 && running != nullptr) {
            running->cancel();
        }
    };
    std::string reason;
    ASSERT_TRUE(port.open(reason));
    Connection connection(port, state, data, TemperatureUnit::Celsius, observer);
    running = &connection;
    connection.runFromStart();
    EXPECT_EQ(state.LastResult, CommResult::ResultUserAbort);
    EXPECT_EQ(port.lines, (Lines{"HEL", "MEM", "BYE"}));
    expectClosedAfterBye();
}

TEST_F(ConnectionTest, LineErrorDuringTheGreeting) {
    port.lineErrorAt(1300);
    runMode(ConnectionMode::ModeClearMemory);
    EXPECT_EQ(state.LastResult, CommResult::ResultLineError);
    EXPECT_EQ(port.lines, (Lines{"HEL", "BYE"}));
    expectClosedAfterBye();
}

TEST_F(ConnectionTest, ReadClockFinishesAfterTheClockLine) {
    port.answer("OK\r\n");
    port.answerLines(okThen({"PRINT 2012/03/04 05:06:07"}));
    runMode(ConnectionMode::ModeReadClock);
    EXPECT_EQ(state.LastResult, CommResult::ResultOk);
    EXPECT_EQ(port.lines, (Lines{"HEL", "MEM T", "BYE"}));
    EXPECT_EQ(data.importBuffer.importedAt, (DateTime{2012, 3, 4, 5, 6, 7}));
    EXPECT_EQ(observer.progress, (std::vector<int>{1, 2, 17, 18}));
    EXPECT_EQ(observer.statuses.back(), "時計ﾃﾞｰﾀの取り込み中。");
}

TEST_F(ConnectionTest, ReadSettingsStepsOncePerGroup) {
    port.answer("OK\r\n");
    port.answerLines(okThen(testing::SettingsDump()));
    runMode(ConnectionMode::ModeReadSettings);
    EXPECT_EQ(state.LastResult, CommResult::ResultOk);
    EXPECT_EQ(observer.progress, steps(1, 18));
    EXPECT_EQ(data.importBuffer.deviceLabel, "VESTRA-01");
    EXPECT_EQ(observer.statuses.back(), "設定ﾃﾞｰﾀの取り込み中。");
}

TEST_F(ConnectionTest, SetClockSendsTheClockToSet) {
    port.answer("OK\r\n");
    port.answer("OK\r\n");
    state.ClockToSet = {2009, 7, 1, 0, 5, 9};
    runMode(ConnectionMode::ModeSetClock);
    EXPECT_EQ(state.LastResult, CommResult::ResultOk);
    EXPECT_EQ(port.lines, (Lines{"HEL", "TIM 2009/07/01 00:05:09", "BYE"}));
    EXPECT_EQ(observer.progress, (std::vector<int>{1, 2, 17, 18}));
    EXPECT_EQ(observer.statuses.back(), "時計設定中。");
}

TEST_F(ConnectionTest, ClearAndResetAreSingleCommands) {
    port.answer("OK\r\n");
    port.answer("OK\r\n");
    runMode(ConnectionMode::ModeClearMemory);
    EXPECT_EQ(port.lines, (Lines{"HEL", "CLR", "BYE"}));
    EXPECT_EQ(observer.statuses.back(), "ﾒﾓﾘを消去中。");

    ScriptedPort other;
    other.answer("OK\r\n");
    other.answer("OK\r\n");
    CommState otherState;
    otherState.CurrentMode = ConnectionMode::ModeResetDevice;
    RecordingObserver otherObserver;
    Connection reset(other, otherState, data, TemperatureUnit::Celsius, otherObserver);
    reset.runFromStart();
    EXPECT_EQ(other.lines, (Lines{"HEL", "RST", "BYE"}));
    EXPECT_EQ(otherObserver.progress, (std::vector<int>{1, 2, 17, 18}));
    EXPECT_EQ(otherObserver.statuses.back(), "本体ﾘｾｯﾄ中。");
}

TEST_F(ConnectionTest, SendSettingsResetsThenUploads) {
    for (int i = 0; i < 18; ++i) {
        port.answer("OK\r\n");
    }
    data.deviceSettings.label = "L1";
    for (int g = 1; g <= 15; ++g) {
        GroupSetting& s = data.deviceSettings.group(g);
        s.tag = "P" + std::to_string(g);
        s.emissivity = 0.3f;
        s.alarmHigh = 200;
        s.alarmLow = 0;
    }
    runMode(ConnectionMode::ModeSendSettings);
    EXPECT_EQ(state.LastResult, CommResult::ResultOk);
    ASSERT_EQ(port.lines.size(), 19u);
    EXPECT_EQ(Lines(port.lines.begin(), port.lines.begin() + 4),
              (Lines{"HEL", "RST", "LBL L1", "SET 01 P1 0.30 200 0"}));
    EXPECT_EQ(port.lines[17], "SET 15 P15 0.30 200 0");
    expectClosedAfterBye();
    std::vector<int> course{1, 2, 17};
    for (int v : steps(2, 18)) {
        course.push_back(v);
    }
    EXPECT_EQ(observer.progress, course);
    EXPECT_EQ(observer.statuses,
              (Lines{"本体の起動中。", "通信を確立中。", "本体ﾘｾｯﾄ中。", "設定中。"}));
}

TEST_F(ConnectionTest, BatteryAlarmOnResetSendsNoSettings) {
    port.answer("OK\r\n");
    port.answer("NG1\r\n");
    runMode(ConnectionMode::ModeSendSettings);
    EXPECT_EQ(state.LastResult, CommResult::ResultBatteryAlarm);
    EXPECT_EQ(port.lines, (Lines{"HEL", "RST", "BYE"}));
    expectClosedAfterBye();
}

TEST_F(ConnectionTest, UnknownModeImportsAndRunHappensOnce) {
    port.answer("OK\r\n");
    port.answer("NG3\r\n");
    std::string reason;
    ASSERT_TRUE(port.open(reason));
    state.CurrentMode = static_cast<ConnectionMode>(9);
    Connection connection(port, state, data, TemperatureUnit::Celsius, observer);
    connection.wakeUp();
    connection.run();
    connection.run();
    EXPECT_EQ(port.lines, (Lines{"HEL", "MEM", "BYE"}));
    EXPECT_EQ(state.LastResult, CommResult::ResultDeviceNg);
}

} // namespace
} // namespace vestra
