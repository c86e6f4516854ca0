#include "device/DumpParser.h"

#include "DumpText.h"
#include "base/TemperatureUnit.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vestra {
namespace {

using testing::FeedAll;
using testing::FeedResult;
using testing::MemoryDump;
using testing::SettingsDump;

constexpr std::array<int, 15> kNoReadings{};

// Replaces the first line that begins with the prefix (or the nth such line).
std::vector<std::string> withLine(std::vector<std::string> lines, const std::string& prefix,
                                  const std::string& replacement, int nth = 1) {
    for (std::string& line : lines) {
        if (line.rfind(prefix, 0) == 0 && --nth == 0) {
            line = replacement;
            return lines;
        }
    }
    ADD_FAILURE() << "no line " << prefix;
    return lines;
}

std::size_t indexOf(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

class DumpParserTest : public ::testing::Test {
protected:
    FeedResult feed(const std::vector<std::string>& lines,
                    ConnectionMode mode = ConnectionMode::ModeImportMemory,
                    TemperatureUnit unit = TemperatureUnit::Celsius) {
        DumpParser parser(mode, unit, data);
        return FeedAll(parser, lines);
    }
    bool accepted(const std::vector<std::string>& lines,
                  TemperatureUnit unit = TemperatureUnit::Celsius) {
        DataSet fresh;
        DumpParser parser(ConnectionMode::ModeImportMemory, unit, fresh);
        return FeedAll(parser, lines).last == DumpStep::Complete;
    }
    DataSet data;
};

TEST_F(DumpParserTest, MemoryDumpFillsTheImportBuffer) {
    std::array<int, 15> counts{};
    counts[0] = 2;
    counts[14] = 3;
    std::vector<std::string> lines = MemoryDump(counts);
    lines[0] = "LABEL= ﾃｽﾄ01 ";
    FeedResult r = feed(lines);
    ASSERT_EQ(r.last, DumpStep::Complete);
    EXPECT_EQ(r.taken, lines.size());
    EXPECT_EQ(r.groupsCompleted, 14);

    EXPECT_EQ(data.deviceLabel, "ﾃｽﾄ01");
    EXPECT_EQ(data.importedAt, (DateTime{2008, 5, 12, 13, 45, 7}));
    EXPECT_EQ(data.totalCount, 5);
    const GroupSetting& first = data.group(1);
    EXPECT_EQ(first.tag, "G1");
    EXPECT_FLOAT_EQ(first.emissivity, 0.95f);
    EXPECT_FLOAT_EQ(first.alarmHigh, 101.0f);
    EXPECT_FLOAT_EQ(first.alarmLow, -40.0f);
    EXPECT_EQ(first.recordCount, 2);
    EXPECT_EQ(first.recordTimes[1], (DateTime{2008, 5, 12, 9, 2, 0}));
    EXPECT_EQ(first.recordValues, (std::vector<float>{1.1f, 1.2f}));
    const GroupSetting& last = data.group(15);
    EXPECT_EQ(last.recordCount, 3);
    EXPECT_FLOAT_EQ(last.recordValues[2], 15.3f);
    EXPECT_EQ(data.group(7).recordCount, 0);
    EXPECT_TRUE(data.group(7).recordValues.empty());
}

TEST_F(DumpParserTest, GroupsWithoutReadingsCompleteAtTheirCount) {
    std::vector<std::string> lines = MemoryDump(kNoReadings);
    DumpParser parser(ConnectionMode::ModeImportMemory, TemperatureUnit::Celsius, data);
    std::vector<std::size_t> completedAt;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        DumpStep step = parser.feed(lines[i]);
        if (step == DumpStep::GroupComplete || step == DumpStep::Complete) {
            completedAt.push_back(i);
            EXPECT_EQ(lines[i], "MEMORY=0");
        }
    }
    EXPECT_EQ(completedAt.size(), 15u);
    EXPECT_EQ(data.totalCount, 0);
}

TEST_F(DumpParserTest, AtMostOneHundredFiftyReadingsInAll) {
    std::array<int, 15> counts{};
    counts[2] = 100;
    counts[5] = 50;
    EXPECT_TRUE(accepted(MemoryDump(counts)));
    counts[9] = 1;
    std::vector<std::string> lines = MemoryDump(counts);
    FeedResult r = feed(lines);
    EXPECT_EQ(r.last, DumpStep::Reject);
    EXPECT_EQ(lines[r.taken - 1], "MEMORY=1");
    EXPECT_EQ(data.totalCount, 150); // the count that broke the limit is not added
}

TEST_F(DumpParserTest, LowLimitMustLieBelowTheHighLimit) {
    auto lines = MemoryDump(kNoReadings); // group 1: high 101
    EXPECT_FALSE(accepted(withLine(lines, "ALARM(L)=", "ALARM(L)=101C")));
    EXPECT_TRUE(accepted(withLine(lines, "ALARM(L)=", "ALARM(L)=100C")));
    EXPECT_FALSE(accepted(withLine(lines, "ALARM(L)=", "ALARM(L)=102C")));
}

TEST_F(DumpParserTest, LimitsAndReadingsCarryTheUnitLetterAndRange) {
    auto lines = MemoryDump(kNoReadings);
    EXPECT_TRUE(accepted(withLine(lines, "ALARM(H)=", "ALARM(H)=500C")));
    EXPECT_TRUE(accepted(withLine(lines, "ALARM(H)=", "ALARM(H)= 500 c")));
    EXPECT_FALSE(accepted(withLine(lines, "ALARM(H)=", "ALARM(H)=501C")));
    EXPECT_FALSE(accepted(withLine(lines, "ALARM(H)=", "ALARM(H)=500F")));
    EXPECT_FALSE(accepted(withLine(lines, "ALARM(L)=", "ALARM(L)=-40F")));
    EXPECT_FALSE(accepted(withLine(lines, "ALARM(L)=", "ALARM(L)=-41C")));
    EXPECT_FALSE(accepted(withLine(lines, "ALARM(H)=", "ALARM(H)=C")));
    EXPECT_FALSE(accepted(withLine(lines, "ALARM(H)=", "ALARM(H)=")));
    EXPECT_FALSE(accepted(withLine(lines, "ALARM(H)=", "ALARM(H)=1e2C")));
    EXPECT_FALSE(accepted(withLine(lines, "ALARM(H)=", "ALARM(H)=abcC")));

    std::array<int, 15> one{1};
    auto reading = MemoryDump(one);
    EXPECT_TRUE(accepted(withLine(reading, "2008/", "2008/05/12 10:00:00 550C")));
    EXPECT_TRUE(accepted(withLine(reading, "2008/", "2008/05/12 10:00:00 -50.0C")));
    EXPECT_FALSE(accepted(withLine(reading, "2008/", "2008/05/12 10:00:00 550.1C")));
    EXPECT_FALSE(accepted(withLine(reading, "2008/", "2008/05/12 10:00:00 23.5F")));
    EXPECT_FALSE(accepted(withLine(reading, "2008/", "2008/05/12 10:00:00 x23C")));
    EXPECT_FALSE(accepted(withLine(reading, "2008/", "2008/05/12 10:00:00 C")));
    EXPECT_FALSE(accepted(withLine(reading, "2008/", "2008/05/12 23.5C")));
    EXPECT_FALSE(accepted(withLine(reading, "2008/", "2008/02/30 10:00:00 23.5C")));
}

TEST_F(DumpParserTest, FahrenheitDumpOnlyForTheFahrenheitType) {
    std::array<int, 15> counts{};
    counts[0] = 1;
    auto lines = MemoryDump(counts, 'F');
    EXPECT_TRUE(accepted(lines, TemperatureUnit::Fahrenheit));
    EXPECT_FALSE(accepted(lines, TemperatureUnit::Celsius));
    EXPECT_TRUE(
        accepted(withLine(lines, "ALARM(H)=", "ALARM(H)=932F"), TemperatureUnit::Fahrenheit));
    EXPECT_FALSE(
        accepted(withLine(lines, "ALARM(H)=", "ALARM(H)=933F"), TemperatureUnit::Fahrenheit));
    EXPECT_TRUE(accepted(withLine(lines, "2008/", "2008/05/12 10:00:00 1022F"),
                         TemperatureUnit::Fahrenheit));
    EXPECT_FALSE(accepted(withLine(lines, "2008/", "2008/05/12 10:00:00 -59F"),
                          TemperatureUnit::Fahrenheit));
}

TEST_F(DumpParserTest, YearsOutsideTheThermometersRangeAreRejected) {
    std::array<int, 15> one{1};
    auto lines = MemoryDump(one);
    EXPECT_FALSE(accepted(withLine(lines, "2008/", "1979/12/31 10:00:00 1C")));
    EXPECT_FALSE(accepted(withLine(lines, "2008/", "2080/01/01 10:00:00 1C")));
    EXPECT_TRUE(accepted(withLine(lines, "2008/", "1980/01/01 10:00:00 1C")));
    EXPECT_TRUE(accepted(withLine(lines, "2008/", "2079/12/31 10:00:00 1C")));
    EXPECT_FALSE(accepted(withLine(lines, "PRINT ", "PRINT 1979/05/12 13:45:07")));
    EXPECT_FALSE(accepted(withLine(lines, "PRINT ", "PRINT 20081/5/12 13:45:07")));
    EXPECT_FALSE(accepted(withLine(lines, "PRINT ", "PRINT 2008/13/12 13:45:07")));
    EXPECT_FALSE(accepted(withLine(lines, "PRINT ", "PRINT2008/05/12 13:45:07")));
    EXPECT_TRUE(accepted(withLine(lines, "PRINT ", "PRINT 2008-5-2")));
}

TEST_F(DumpParserTest, GroupsMustArriveInOrder) {
    auto lines = MemoryDump(kNoReadings);
    auto r = feed(withLine(lines, "NO.1", "NO.2"));
    EXPECT_EQ(r.last, DumpStep::Reject);
    EXPECT_EQ(r.taken, 3u);
    EXPECT_TRUE(accepted(withLine(lines, "NO.1", "NO. 1")));
    EXPECT_TRUE(accepted(withLine(lines, "NO.1", "no.1")));
    EXPECT_FALSE(accepted(withLine(lines, "NO.1", "NO.")));
    EXPECT_FALSE(accepted(withLine(lines, "NO.3", "NO.4")));
}

TEST_F(DumpParserTest, KeywordsInAnyCase) {
    auto lines = MemoryDump(kNoReadings);
    lines = withLine(lines, "LABEL=", "label=VESTRA");
    lines = withLine(lines, "PRINT ", "Print 2008/05/12 13:45:07");
    lines = withLine(lines, "TAG=", "tag=G1");
    lines = withLine(lines, "EMISSIVITY=", "Emissivity=0.95");
    lines = withLine(lines, "ALARM(H)=", "alarm(h)=101C");
    lines = withLine(lines, "MEMORY=", "memory=0");
    EXPECT_TRUE(accepted(lines));
}

TEST_F(DumpParserTest, TagsAndLabelsAreShortSingleByteWords) {
    auto lines = MemoryDump(kNoReadings);
    EXPECT_TRUE(accepted(withLine(lines, "TAG=", "TAG=ABCDEFGHIJ")));
    EXPECT_TRUE(accepted(withLine(lines, "TAG=", "TAG=ｱｲｳ")));
    EXPECT_FALSE(accepted(withLine(lines, "TAG=", "TAG=ABCDEFGHIJK")));
    EXPECT_FALSE(accepted(withLine(lines, "TAG=", "TAG=AB CD")));
    EXPECT_FALSE(accepted(withLine(lines, "TAG=", "TAG=温度")));
    EXPECT_FALSE(accepted(withLine(lines, "TAG=", "TAG=")));
    EXPECT_FALSE(accepted(withLine(lines, "TAG=", "TAGS=A")));
    EXPECT_FALSE(accepted(withLine(lines, "LABEL=", "LABEL=")));
    EXPECT_FALSE(accepted(withLine(lines, "LABEL=", "NAME=VESTRA")));
}

TEST_F(DumpParserTest, EmissivityBounds) {
    auto lines = MemoryDump(kNoReadings);
    EXPECT_TRUE(accepted(withLine(lines, "EMISSIVITY=", "EMISSIVITY=0.3")));
    EXPECT_TRUE(accepted(withLine(lines, "EMISSIVITY=", "EMISSIVITY=1.9")));
    EXPECT_TRUE(accepted(withLine(lines, "EMISSIVITY=", "EMISSIVITY= +1.00")));
    EXPECT_FALSE(accepted(withLine(lines, "EMISSIVITY=", "EMISSIVITY=0.29")));
    EXPECT_FALSE(accepted(withLine(lines, "EMISSIVITY=", "EMISSIVITY=1.91")));
    EXPECT_FALSE(accepted(withLine(lines, "EMISSIVITY=", "EMISSIVITY=")));
    EXPECT_FALSE(accepted(withLine(lines, "EMISSIVITY=", "EMISSIVITY=0,95")));
    EXPECT_FALSE(accepted(withLine(lines, "EMISSIVITY=", "EMISSIVITY=high")));
}

TEST_F(DumpParserTest, CountsMustBeSmallWholeNumbers) {
    auto lines = MemoryDump(kNoReadings);
    EXPECT_FALSE(accepted(withLine(lines, "MEMORY=", "MEMORY=-1")));
    EXPECT_FALSE(accepted(withLine(lines, "MEMORY=", "MEMORY=40000")));
    EXPECT_FALSE(accepted(withLine(lines, "MEMORY=", "MEMORY=" + std::string(400, '9'))));
    EXPECT_FALSE(accepted(withLine(lines, "MEMORY=", "MEMORY=many")));
    EXPECT_FALSE(accepted(withLine(lines, "MEMORY=", "MEMORY=")));
    // A count is read like a number typed by hand: blanks ignored, a half to the even side.
    EXPECT_TRUE(accepted(withLine(lines, "MEMORY=", "MEMORY=0.5")));

    std::array<int, 15> two{2};
    auto rounded = withLine(MemoryDump(two), "MEMORY=", "MEMORY=2.5");
    EXPECT_TRUE(accepted(rounded));
    rounded = withLine(MemoryDump(two), "MEMORY=", "MEMORY= 2 pcs");
    EXPECT_TRUE(accepted(rounded));
}

TEST_F(DumpParserTest, DumpEndingEarlyOrGoingOnIsNotComplete) {
    std::array<int, 15> two{2};
    auto lines = MemoryDump(two);
    lines.erase(lines.begin() + static_cast<long>(indexOf(lines, "MEMORY=2")) + 2);
    FeedResult r = feed(lines); // the second reading is missing: "NO.2" comes instead
    EXPECT_EQ(r.last, DumpStep::Reject);
    EXPECT_EQ(data.group(1).tag, "G1"); // what was read before stays

    DataSet other;
    DumpParser parser(ConnectionMode::ModeImportMemory, TemperatureUnit::Celsius, other);
    ASSERT_EQ(FeedAll(parser, MemoryDump(kNoReadings)).last, DumpStep::Complete);
    EXPECT_EQ(parser.feed("NO.16"), DumpStep::Reject);
}

TEST_F(DumpParserTest, ClockModeTakesOnlyTheClockLine) {
    FeedResult r = feed({"PRINT 2011/01/02 03:04:05"}, ConnectionMode::ModeReadClock);
    EXPECT_EQ(r.last, DumpStep::Complete);
    EXPECT_EQ(data.importedAt, (DateTime{2011, 1, 2, 3, 4, 5}));

    DataSet other;
    DumpParser parser(ConnectionMode::ModeReadClock, TemperatureUnit::Celsius, other);
    EXPECT_EQ(parser.feed("LABEL=VESTRA"), DumpStep::Reject);
}

TEST_F(DumpParserTest, SettingsModeHasNoClockNoCountsNoReadings) {
    std::vector<std::string> lines = SettingsDump();
    FeedResult r = feed(lines, ConnectionMode::ModeReadSettings);
    EXPECT_EQ(r.last, DumpStep::Complete);
    EXPECT_EQ(r.taken, 1u + 15u * 5u);
    EXPECT_EQ(r.groupsCompleted, 14);
    EXPECT_EQ(data.group(15).tag, "G15");
    EXPECT_FLOAT_EQ(data.group(15).alarmHigh, 115.0f);

    auto withMemory = lines;
    withMemory.insert(withMemory.begin() + 6, "MEMORY=0");
    DataSet other;
    DumpParser parser(ConnectionMode::ModeReadSettings, TemperatureUnit::Celsius, other);
    EXPECT_EQ(FeedAll(parser, withMemory).taken, 7u);
    EXPECT_EQ(parser.state(), DumpState::ExpectNo);
    EXPECT_EQ(parser.group(), 2);

    auto withClock = lines;
    withClock.insert(withClock.begin() + 1, "PRINT 2008/05/12 13:45:07");
    DumpParser clocked(ConnectionMode::ModeReadSettings, TemperatureUnit::Celsius, other);
    EXPECT_EQ(FeedAll(clocked, withClock).last, DumpStep::Reject);
}

} // namespace
} // namespace vestra
