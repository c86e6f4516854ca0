#include "SimMemory.h"

#include "SimCommands.h"

#include <gtest/gtest.h>

namespace vestra::sim {
namespace {

using Lines = std::vector<std::string>;

TEST(SimMemoryTest, MemoryFileSplitsIntoLabelClockAndGroups) {
    SimMemory memory = ParseMemoryFile("LABEL=ﾗｲﾝA\r\n"
                                       "print 2008/05/12 13:45:07\r\n"
                                       "\r\n"
                                       "NO.1\r\nTAG=A\r\nEMISSIVITY=0.95\r\n"
                                       "ALARM(H)=500C\r\nALARM(L)=-40C\r\n"
                                       "memory=2\r\n"
                                       "2008/05/12 13:00:00 22.5C\r\n"
                                       "1979/05/12 13:01:00 23.5F\r\n"
                                       "no.2\n  TAG=B\nMEMORY=0");
    EXPECT_EQ(memory.labelLines, Lines{"LABEL=ﾗｲﾝA"});
    ASSERT_TRUE(memory.clock.has_value());
    EXPECT_EQ(*memory.clock, (DateTime{2008, 5, 12, 13, 45, 7}));
    ASSERT_EQ(memory.groups.size(), 2u);
    EXPECT_EQ(memory.groups[0].settingLines.size(), 5u);
    EXPECT_EQ(memory.groups[0].memoryLine, "memory=2");
    // Readings are repeated as written, faulty ones too.
    EXPECT_EQ(memory.groups[0].readings,
              (Lines{"2008/05/12 13:00:00 22.5C", "1979/05/12 13:01:00 23.5F"}));
    EXPECT_EQ(memory.groups[1].settingLines, (Lines{"no.2", "  TAG=B"}));
    EXPECT_EQ(memory.groups[1].memoryLine, "MEMORY=0");
    EXPECT_TRUE(memory.groups[1].readings.empty());
}

// The grammar of generated dumps is checked with the thermometer's answers; here the spread.
TEST(SimMemoryTest, GeneratedReadingsSpreadEvenlyOverTheGroups) {
    SimMemory memory = GeneratedMemory(SimUnit::Fahrenheit(), 37);
    ASSERT_EQ(memory.groups.size(), std::size_t(kGroupCount));
    for (std::size_t g = 0; g < memory.groups.size(); ++g) {
        EXPECT_EQ(memory.groups[g].readings.size(), g < 7 ? 3u : 2u);
        EXPECT_EQ(memory.groups[g].readings[0].back(), 'F');
    }
}

TEST(SimCommandsTest, CommandLinesAreCutAtLineEndsAndBlanks) {
    std::string pending = "HEL\r\nMEM T\nSET 01";
    EXPECT_EQ(TakeLines(pending), (Lines{"HEL", "MEM T"}));
    EXPECT_EQ(pending, "SET 01");
    pending += " A\r";
    EXPECT_EQ(TakeLines(pending), Lines{});
    pending += "\n";
    EXPECT_EQ(TakeLines(pending), Lines{"SET 01 A"});
    EXPECT_EQ(pending, "");

    EXPECT_EQ(SplitCommand("  set\t01  ｱ  0.95 "), (Lines{"SET", "01", "ｱ", "0.95"}));
    EXPECT_EQ(SplitCommand("   "), Lines{});
}

} // namespace
} // namespace vestra::sim
