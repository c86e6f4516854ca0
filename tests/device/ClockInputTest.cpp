#include "device/ClockInput.h"

#include "data/ValueFormat.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

class ClockInputTest : public ::testing::Test {
protected:
    std::optional<DateTime> read(ClockBoxes boxes) { return ReadClockBoxes(boxes, messages); }
    void expectRefused(ClockBoxes boxes) {
        messages.entries.clear();
        EXPECT_FALSE(read(boxes).has_value()) << boxes[0] << "/" << boxes[1] << "/" << boxes[2];
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].text, "入力に誤りがあります！");
        EXPECT_EQ(messages.entries[0].icon, MessageIcon::Exclamation);
    }

    testing::RecordingMessages messages;
};

TEST_F(ClockInputTest, BoxesShowPlainNumbers) {
    ClockBoxes boxes = ClockBoxesOf(DateTime{2008, 5, 2, 0, 7, 9});
    EXPECT_EQ(boxes, (ClockBoxes{"2008", "5", "2", "0", "7", "9"}));
}

TEST_F(ClockInputTest, AcceptsTheLastMomentOfTheRange) {
    auto t = read({"2079", "12", "31", "23", "59", "59"});
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(*t, (DateTime{2079, 12, 31, 23, 59, 59}));
    EXPECT_TRUE(read({"1980", "1", "1", "0", "0", "0"}).has_value());
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(ClockInputTest, YearMustBeFourDigitsFrom1980To2079) {
    expectRefused({"08", "5", "12", "13", "45", "7"});
    expectRefused({"2080", "1", "1", "0", "0", "0"});
    expectRefused({"1979", "12", "31", "23", "59", "59"});
    expectRefused({"20a8", "5", "12", "13", "45", "7"});
    expectRefused({" 208", "5", "12", "13", "45", "7"});
}

TEST_F(ClockInputTest, RefusesDaysAndTimesThatDoNotExist) {
    expectRefused({"2008", "4", "31", "12", "0", "0"});
    expectRefused({"2009", "2", "29", "12", "0", "0"});
    expectRefused({"2008", "13", "1", "12", "0", "0"});
    expectRefused({"2008", "5", "12", "24", "0", "0"});
    expectRefused({"2008", "5", "12", "12", "60", "0"});
    expectRefused({"2008", "5", "12", "12", "", "0"});
    EXPECT_TRUE(read({"2008", "2", "29", "12", "0", "0"}).has_value());
}

// After a read a month of May shows as 5; the clock that is sent from it is padded again.
TEST_F(ClockInputTest, ReadBoxesGiveTheSameClockBack) {
    DateTime clock{2008, 5, 12, 13, 45, 7};
    auto t = read(ClockBoxesOf(clock));
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(*t, clock);
    EXPECT_EQ(FormatTimestampSeconds(*t), "2008/05/12 13:45:07");
}

} // namespace
} // namespace vestra
