#include "SimSender.h"

#include <gtest/gtest.h>

namespace vestra::sim {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;

// Records what would go on the line and how long the sender would sleep before each piece.
struct Recorder {
    std::vector<std::string> writes;
    std::vector<microseconds> sleeps;
    int stopAfterWrites = -1;

    SimSender sender(SimSender::Timing timing) {
        return SimSender(
            [this](std::string_view bytes) {
                writes.emplace_back(bytes);
                return stopAfterWrites < 0 || int(writes.size()) < stopAfterWrites;
            },
            [this](microseconds time) {
                sleeps.push_back(time);
                return true;
            },
            timing);
    }
    microseconds slept() const {
        microseconds total{};
        for (auto s : sleeps) {
            total += s;
        }
        return total;
    }
};

TEST(SimSenderTest, PacingTakesTheTimeOfTheLineAt4800Baud) {
    Recorder line;
    std::vector<std::string> dump(40, std::string(28, 'x')); // 40 lines of 30 bytes
    EXPECT_TRUE(line.sender({true, 0, 2}).send(dump));
    std::string sent;
    for (const std::string& w : line.writes) {
        EXPECT_LE(w.size(), 24u);
        sent += w;
    }
    EXPECT_EQ(sent.size(), 1200u);
    // 1200 bytes of 10 bits at 4800 baud: 2.5 s.
    EXPECT_GT(line.slept(), milliseconds(2490));
    EXPECT_LT(line.slept(), milliseconds(2510));
}

TEST(SimSenderTest, SlowLinesComeInPiecesAfterPauses) {
    Recorder line;
    EXPECT_TRUE(line.sender({false, 1500, 2}).send({"NO.1", "OK"}));
    EXPECT_EQ(line.writes, (std::vector<std::string>{"NO.", "1\r\n", "OK", "\r\n"}));
    EXPECT_EQ(line.sleeps, std::vector<microseconds>(4, milliseconds(1500)));

    Recorder pieces;
    EXPECT_TRUE(pieces.sender({false, 1800, 3}).send({"OK"}));
    EXPECT_EQ(pieces.writes, (std::vector<std::string>{"O", "K", "\r\n"}));
    EXPECT_EQ(pieces.slept(), milliseconds(5400)); // beyond 5.1 s with no gap over 2 s
}

TEST(SimSenderTest, StopsAtOnceWhenAskedTo) {
    Recorder line;
    line.stopAfterWrites = 2;
    EXPECT_FALSE(line.sender({}).send({"A", "B", "C"}));
    EXPECT_EQ(line.writes.size(), 2u);
}

} // namespace
} // namespace vestra::sim
