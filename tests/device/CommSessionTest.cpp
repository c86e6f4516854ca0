#include "device/CommSession.h"

#include "RecordingObserver.h"
#include "ScriptedPort.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

using testing::RecordingObserver;
using testing::ScriptedPort;

class CommSessionTest : public ::testing::Test {
protected:
    ScriptedPort port;
    CommState state;
    RecordingObserver observer;
    CommSession session{port, state, observer};
};

// --- time-outs: ticks of 100 ms, counted from the start of the wait ---

TEST_F(CommSessionTest, TwentySilentTicksAreToleratedTwentyOneAreNot) {
    port.deliverAt(2050, "OK\r\n");
    EXPECT_TRUE(session.ReceiveLine());
    EXPECT_EQ(session.RxLine(), "OK");

    ScriptedPort silent;
    CommState silentState;
    CommSession late(silent, silentState, observer);
    silent.deliverAt(2150, "OK\r\n");
    EXPECT_FALSE(late.ReceiveLine());
    EXPECT_EQ(silentState.LastResult, CommResult::ResultNoResponse);
    EXPECT_EQ(silent.now, 2100);
}

TEST_F(CommSessionTest, LineInPiecesMustBeCompleteWithinFiftyTicks) {
    // Gaps of 1.5 s keep the idle counter low; only the total limit can end the wait.
    port.deliverAt(1550, "O");
    port.deliverAt(3050, "K");
    port.deliverAt(4550, "\r");
    port.deliverAt(5050, "\n");
    EXPECT_TRUE(session.ReceiveLine());
    EXPECT_EQ(session.RxLine(), "OK");

    ScriptedPort slow;
    CommState slowState;
    CommSession late(slow, slowState, observer);
    slow.deliverAt(1550, "O");
    slow.deliverAt(3050, "K");
    slow.deliverAt(4550, "\r");
    slow.deliverAt(5150, "\n");
    EXPECT_FALSE(late.ReceiveLine());
    EXPECT_EQ(slowState.LastResult, CommResult::ResultNoResponse);
    EXPECT_EQ(slow.now, 5100);
}

TEST_F(CommSessionTest, EveryWaitStartsItsOwnCount) {
    port.deliverAt(2000, "A\r\n");
    ASSERT_TRUE(session.ReceiveLine());
    port.deliverAt(4050, "B\r\n"); // 20.5 ticks after the second wait began
    EXPECT_TRUE(session.ReceiveLine());
    EXPECT_EQ(session.RxLine(), "B");
}

// --- framing of lines ---

TEST_F(CommSessionTest, TwoLinesInOneReadAreDeliveredOneByOne) {
    port.deliverAt(50, "OK\r\nNG1\r\nrest");
    ASSERT_TRUE(session.ReceiveLine());
    EXPECT_EQ(session.RxLine(), "OK");
    int waits = port.waits;
    ASSERT_TRUE(session.ReceiveLine());
    EXPECT_EQ(session.RxLine(), "NG1");
    EXPECT_EQ(port.waits, waits); // taken from the buffer without waiting
}

TEST_F(CommSessionTest, BlankLinesAreSkippedAndBlanksTrimmed) {
    port.deliverAt(50, "\r\n     \r\n  TAG=A 1  \r\n");
    ASSERT_TRUE(session.ReceiveLine());
    EXPECT_EQ(session.RxLine(), "TAG=A 1");
}

TEST_F(CommSessionTest, ThirtyCharactersAreALineThirtyOneAreNot) {
    port.deliverAt(50, std::string(30, 'x') + "\r\n" + std::string(31, 'y') + "\r\n");
    ASSERT_TRUE(session.ReceiveLine());
    EXPECT_EQ(session.RxLine(), std::string(30, 'x'));
    EXPECT_FALSE(session.ReceiveLine());
    EXPECT_EQ(state.LastResult, CommResult::ResultBadReceive);
}

TEST_F(CommSessionTest, BlanksCountTowardsTheLineLimit) {
    port.deliverAt(50, "OK" + std::string(29, ' ') + "\r\n");
    EXPECT_FALSE(session.ReceiveLine());
    EXPECT_EQ(state.LastResult, CommResult::ResultBadReceive);
}

TEST_F(CommSessionTest, BufferBeyondTheInputBufferSizeIsABadReceive) {
    port.deliverAt(50, std::string(1024, 'x'));
    EXPECT_FALSE(session.ReceiveLine());
    EXPECT_EQ(state.LastResult, CommResult::ResultNoResponse); // 1024 characters still fit

    ScriptedPort flood;
    CommState floodState;
    CommSession overflowing(flood, floodState, observer);
    flood.deliverAt(50, std::string(1000, 'x'));
    flood.deliverAt(80, std::string(25, 'x'));
    EXPECT_FALSE(overflowing.ReceiveLine());
    EXPECT_EQ(floodState.LastResult, CommResult::ResultBadReceive);
    EXPECT_EQ(flood.now, 80);
}

TEST_F(CommSessionTest, ManyCompleteLinesInOneReadAreNoOverflow) {
    std::string burst;
    for (int i = 0; i < 100; ++i) {
        burst += "2024/04/01 09:00:00 231.5C\r\n";
    }
    port.deliverAt(50, burst + std::string(1024, 'z'));
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(session.ReceiveLine()) << i;
    }
    port.deliverAt(port.now + 10, "z");
    EXPECT_FALSE(session.ReceiveLine());
    EXPECT_EQ(state.LastResult, CommResult::ResultBadReceive);
}

TEST_F(CommSessionTest, LineInCodePage932IsDeliveredInUtf8) {
    port.deliverAt(50, "LABEL=\xC3\xBD\xC4\r\n");
    ASSERT_TRUE(session.ReceiveLine());
    EXPECT_EQ(session.RxLine(), "LABEL=ﾃｽﾄ");
}

// --- failures ---

TEST_F(CommSessionTest, LineErrorEndsTheWait) {
    port.deliverAt(50, "O");
    port.lineErrorAt(120);
    port.deliverAt(150, "K\r\n");
    EXPECT_FALSE(session.ReceiveLine());
    EXPECT_EQ(state.LastResult, CommResult::ResultLineError);
}

TEST_F(CommSessionTest, CancelEndsTheWaitAndEveryLaterOne) {
    port.onWait = [&] {
        if (port.now >= 700) {
            session.cancel();
        }
    };
    port.deliverAt(3000, "OK\r\n");
    EXPECT_FALSE(session.ReceiveLine());
    EXPECT_EQ(state.LastResult, CommResult::ResultUserAbort);
    EXPECT_EQ(port.now, 800); // the wait in which the button was pressed ends at its tick

    int waits = port.waits;
    EXPECT_FALSE(session.ReceiveLine());
    EXPECT_EQ(port.waits, waits);
}

TEST_F(CommSessionTest, FirstFailureIsTheOneKept) {
    EXPECT_FALSE(session.ReceiveLine());
    ASSERT_EQ(state.LastResult, CommResult::ResultNoResponse);
    session.cancel();
    port.deliverAt(port.now + 10, "NG1\r\n");
    EXPECT_FALSE(session.WaitReply());
    EXPECT_EQ(state.LastResult, CommResult::ResultNoResponse);
}

// --- replies ---

CommResult judge(const std::string& reply) {
    ScriptedPort port;
    CommState state;
    RecordingObserver observer;
    CommSession session(port, state, observer);
    port.deliverAt(50, reply + "\r\n");
    bool ok = session.WaitReply();
    EXPECT_EQ(ok, state.LastResult == CommResult::ResultOk) << reply;
    return state.LastResult;
}

TEST(WaitReplyTest, JudgesTheWholeLineInAnyCase) {
    EXPECT_EQ(judge("OK"), CommResult::ResultOk);
    EXPECT_EQ(judge("ok"), CommResult::ResultOk);
    EXPECT_EQ(judge("  Ok   "), CommResult::ResultOk);
    EXPECT_EQ(judge("NG1"), CommResult::ResultBatteryAlarm);
    EXPECT_EQ(judge("ng1"), CommResult::ResultBatteryAlarm);
    EXPECT_EQ(judge("NG2"), CommResult::ResultDeviceNg);
    EXPECT_EQ(judge("ng3"), CommResult::ResultDeviceNg);
    EXPECT_EQ(judge("NG4"), CommResult::ResultDeviceNg);
    EXPECT_EQ(judge("NG5"), CommResult::ResultDeviceNg);
    EXPECT_EQ(judge("NG6"), CommResult::ResultBadReply);
    EXPECT_EQ(judge("NG"), CommResult::ResultBadReply);
    EXPECT_EQ(judge("OK."), CommResult::ResultBadReply);
    EXPECT_EQ(judge("O K"), CommResult::ResultBadReply);
    EXPECT_EQ(judge("LABEL=A"), CommResult::ResultBadReply);
}

// --- sending ---

TEST_F(CommSessionTest, SendCommandDropsStaleInputButKeepsBufferedLines) {
    port.deliverAt(50, "OK\r\nNG2\r\n");
    ASSERT_TRUE(session.ReceiveLine()); // "NG2" stays in the receive buffer
    port.deliverAt(port.now + 10, "stale\r\n");
    port.pause(20);
    session.SendCommand("HEL");
    EXPECT_EQ(port.written, "HEL\r\n");
    EXPECT_EQ(port.inputCount(), 0u);
    ASSERT_TRUE(session.ReceiveLine());
    EXPECT_EQ(session.RxLine(), "NG2");
}

TEST_F(CommSessionTest, SendCommandWritesCodePage932) {
    session.SendCommand("LBL ﾃｽﾄ");
    EXPECT_EQ(port.written, "LBL \xC3\xBD\xC4\r\n");
}

// --- progress ---

TEST_F(CommSessionTest, ProgressStopsAtItsMaximum) {
    for (int i = 0; i < 20; ++i) {
        session.StepProgress();
    }
    EXPECT_EQ(session.progress(), 18);
    EXPECT_EQ(observer.progress.size(), 18u);
    EXPECT_EQ(observer.progress.back(), 18);
}

TEST_F(CommSessionTest, FinishProgressPausesAroundTheLastStepButOne) {
    session.StepProgress();
    session.FinishProgress();
    EXPECT_EQ(observer.progress, (std::vector<int>{1, 17}));
    EXPECT_EQ(port.calls, (std::vector<std::string>{"pause 1000", "pause 500"}));
    EXPECT_EQ(port.now, 1500);
}

} // namespace
} // namespace vestra
