#include "SimDevice.h"

#include "data/ValueChecks.h"

#include <gtest/gtest.h>

namespace vestra::sim {
namespace {

using Lines = std::vector<std::string>;

bool StartsWith(const std::string& line, std::string_view prefix) {
    return line.compare(0, prefix.size(), prefix) == 0;
}

// The thermometer with a hand-wound clock: the test moves the milliseconds.
class SimDeviceTest : public ::testing::Test {
protected:
    explicit SimDeviceTest(SimFaults faults = {}) { rebuild(DefaultMemory(unit), faults); }

    void rebuild(SimMemory memory, SimFaults faults) {
        memory.clock = DateTime{2024, 5, 12, 13, 45, 7};
        device =
            std::make_unique<SimDevice>(std::move(memory), unit, faults, [this] { return nowMs; });
    }

    Lines greeted(std::string_view command) {
        device->answer("HEL");
        return device->answer(command);
    }

    // Walks the dump as the thermometer's reader will: every line in its place, every value
    // in range, at most 30 characters. Returns the readings found.
    int checkFullDump(const Lines& lines) {
        std::size_t at = 0;
        auto next = [&](std::string_view keyword) {
            EXPECT_LT(at, lines.size());
            const std::string& line = at < lines.size() ? lines[at++] : lines.back();
            EXPECT_TRUE(StartsWith(line, keyword)) << line << " instead of " << keyword;
            EXPECT_LE(line.size(), 30u) << line;
            return line.substr(std::min(keyword.size(), line.size()));
        };
        EXPECT_EQ(next("OK"), "");
        EXPECT_TRUE(IsValidLabel(next("LABEL=")));
        EXPECT_TRUE(ParseDateTime(next("PRINT ")).has_value());
        int total = 0;
        for (int g = 1; g <= kGroupCount; ++g) {
            EXPECT_EQ(next("NO."), std::to_string(g));
            EXPECT_TRUE(IsValidTag(next("TAG=")));
            EXPECT_TRUE(IsValidEmissivity(std::stof(next("EMISSIVITY="))));
            std::string high = next("ALARM(H)="), low = next("ALARM(L)=");
            EXPECT_EQ(high.back(), 'C');
            EXPECT_LT(std::stof(low), std::stof(high));
            int count = std::stoi(next("MEMORY="));
            for (int k = 0; k < count; ++k) {
                std::string reading = next("20");
                EXPECT_EQ(reading.back(), 'C') << reading;
                EXPECT_TRUE(IsValidReading(std::stof(reading.substr(18)), unit.unit()));
            }
            total += count;
        }
        EXPECT_EQ(at, lines.size());
        return total;
    }

    SimUnit unit = SimUnit::Celsius();
    long long nowMs = 0;
    std::unique_ptr<SimDevice> device;
};

TEST_F(SimDeviceTest, AnswersNothingBeforeTheGreetingOrAfterTheFarewell) {
    EXPECT_EQ(device->answer("MEM"), Lines{});
    EXPECT_EQ(device->answer("CLR"), Lines{});
    EXPECT_EQ(device->answer("HEL"), Lines{"OK"});
    EXPECT_EQ(device->answer("BYE"), Lines{});
    EXPECT_EQ(device->answer("MEM T"), Lines{});
    EXPECT_EQ(device->answer("  hel  "), Lines{"OK"});
    EXPECT_EQ(device->memory().groups[0].readings.size(), 5u); // CLR before HEL did nothing
}

TEST_F(SimDeviceTest, JudgesCommandsInAnyCaseAndRefusesUnknownOnes) {
    EXPECT_EQ(greeted(" mem t ").size(), 2u);
    EXPECT_EQ(device->answer("Mem  S").front(), "OK");
    EXPECT_EQ(device->answer("MEMS"), Lines{"NG2"});
    EXPECT_EQ(device->answer("MEM X"), Lines{"NG2"});
    EXPECT_EQ(device->answer("CLR NOW"), Lines{"NG2"});
    EXPECT_EQ(device->answer("READ"), Lines{"NG2"});
    EXPECT_EQ(device->answer(""), Lines{});
}

TEST_F(SimDeviceTest, FullDumpFollowsTheGrammar) {
    Lines lines = greeted("MEM");
    EXPECT_EQ(checkFullDump(lines), 12);
    EXPECT_EQ(lines[1], "LABEL=LINE-A");
    EXPECT_EQ(lines[2], "PRINT 2024/05/12 13:45:07");
}

TEST_F(SimDeviceTest, GeneratedMemoriesFollowTheGrammarUpToTheLimit) {
    for (int count : {0, 7, 150}) {
        rebuild(GeneratedMemory(unit, count), {});
        EXPECT_EQ(checkFullDump(greeted("MEM")), count);
    }
}

TEST_F(SimDeviceTest, ClockAndSettingsDumpsHoldOnlyTheirLines) {
    nowMs = 61500; // the clock runs with real time
    EXPECT_EQ(greeted("MEM T"), (Lines{"OK", "PRINT 2024/05/12 13:46:08"}));
    Lines settings = device->answer("MEM S");
    ASSERT_EQ(settings.size(), 2u + 5 * kGroupCount);
    EXPECT_EQ(settings[1], "LABEL=LINE-A");
    EXPECT_EQ(settings[2], "NO.1");
    EXPECT_EQ(settings.back(), "ALARM(L)=-40C");
    for (const std::string& line : settings) {
        EXPECT_FALSE(StartsWith(line, "MEMORY=") || StartsWith(line, "PRINT")) << line;
    }
}

TEST_F(SimDeviceTest, KeepsItsSettingsAndClockAcrossConnections) {
    EXPECT_EQ(greeted("TIM 2030/01/02 03:04:05"), Lines{"OK"});
    EXPECT_EQ(device->answer("LBL KILN-7"), Lines{"OK"});
    EXPECT_EQ(device->answer("SET 03 ﾀﾞｸﾄ 0.30 120 -5"), Lines{"OK"});
    device->answer("BYE");
    nowMs += 3000;

    EXPECT_EQ(greeted("MEM T")[1], "PRINT 2030/01/02 03:04:08");
    Lines settings = device->answer("MEM S");
    EXPECT_EQ(settings[1], "LABEL=KILN-7");
    EXPECT_EQ(Lines(settings.begin() + 12, settings.begin() + 17),
              (Lines{"NO.3", "TAG=ﾀﾞｸﾄ", "EMISSIVITY=0.30", "ALARM(H)=120C", "ALARM(L)=-5C"}));
    EXPECT_EQ(checkFullDump(device->answer("MEM")), 12); // readings stay with their group
}

TEST_F(SimDeviceTest, RefusesMalformedSettingLinesByField) {
    device->answer("HEL");
    EXPECT_EQ(device->answer("SET 01 TAG 0.95 500"), Lines{"NG2"});
    EXPECT_EQ(device->answer("SET 01 TAG 0,95 500 -40"), Lines{"NG2"});
    EXPECT_EQ(device->answer("SET AA TAG 0.95 500 -40"), Lines{"NG2"});
    EXPECT_EQ(device->answer("SET 16 TAG 0.95 500 -40"), Lines{"NG3"});
    EXPECT_EQ(device->answer("SET 01 TAG45678901 0.95 500 -40"), Lines{"NG3"});
    EXPECT_EQ(device->answer("SET 01 TAG 0.29 500 -40"), Lines{"NG4"});
    EXPECT_EQ(device->answer("SET 01 TAG 1.91 500 -40"), Lines{"NG4"});
    EXPECT_EQ(device->answer("SET 01 TAG 0.95 501 -40"), Lines{"NG5"});
    EXPECT_EQ(device->answer("SET 01 TAG 0.95 100 100"), Lines{"NG5"});
    EXPECT_EQ(device->answer("SET 01 TAG 0.95 500 -41"), Lines{"NG5"});
    EXPECT_EQ(device->answer("LBL"), Lines{"NG2"});
    EXPECT_EQ(device->answer("LBL TOO-LONG-LABEL"), Lines{"NG3"});
    EXPECT_EQ(device->answer("TIM 2030/02/30 00:00:00"), Lines{"NG2"});
    EXPECT_EQ(device->answer("TIM 1979/12/31 23:59:59"), Lines{"NG3"});
    EXPECT_EQ(device->answer("TIM 2030/01/01"), Lines{"NG2"});
    // Nothing refused was taken.
    Lines settings = device->answer("MEM S");
    EXPECT_EQ(settings[1], "LABEL=LINE-A");
    EXPECT_EQ(settings[3], "TAG=OVEN");
    EXPECT_EQ(device->answer("MEM T")[1], "PRINT 2024/05/12 13:45:07");
}

TEST_F(SimDeviceTest, ClearEmptiesTheMemoryAndResetRestoresTheFactory) {
    device->answer("HEL");
    EXPECT_EQ(device->answer("CLR"), Lines{"OK"});
    EXPECT_EQ(checkFullDump(device->answer("MEM")), 0);
    EXPECT_EQ(device->answer("MEM S")[3], "TAG=OVEN"); // settings survive a clear

    rebuild(DefaultMemory(unit), {});
    device->answer("HEL");
    device->answer("TIM 2031/03/04 05:06:07");
    EXPECT_EQ(device->answer("rst"), Lines{"OK"});
    Lines dump = device->answer("MEM");
    EXPECT_EQ(checkFullDump(dump), 0);
    EXPECT_EQ(dump[1], "LABEL=VESTRA");
    EXPECT_EQ(dump[2], "PRINT 2031/03/04 05:06:07"); // the clock is not reset
    EXPECT_EQ(Lines(dump.begin() + 3, dump.begin() + 9),
              (Lines{"NO.1", "TAG=GROUP01", "EMISSIVITY=0.95", "ALARM(H)=500C", "ALARM(L)=-40C",
                     "MEMORY=0"}));
}

TEST_F(SimDeviceTest, FahrenheitTypeUsesItsLetterAndLimits) {
    unit = SimUnit::Fahrenheit();
    rebuild(FactoryMemory(unit), {});
    device->answer("HEL");
    EXPECT_EQ(device->answer("SET 02 T 0.95 932 0"), Lines{"OK"});
    EXPECT_EQ(device->answer("SET 02 T 0.95 933 -40"), Lines{"NG5"});
    Lines settings = device->answer("MEM S");
    EXPECT_EQ(settings[10], "ALARM(H)=932F");
    EXPECT_EQ(settings[11], "ALARM(L)=0F");
}

TEST_F(SimDeviceTest, MemoryFileMayHoldFewerGroups) {
    rebuild(ParseMemoryFile("LABEL=X\nNO.1\nTAG=A\n"), {});
    device->answer("HEL");
    EXPECT_EQ(device->answer("MEM"),
              (Lines{"OK", "LABEL=X", "PRINT 2024/05/12 13:45:07", "NO.1", "TAG=A"}));
    EXPECT_EQ(device->answer("SET 15 T 0.95 500 -40"), Lines{"OK"});
    // OK, label, the file's two lines of group 1, then factory groups 2 to 15.
    EXPECT_EQ(device->answer("MEM S").size(), 2u + 2 + 13 * 5 + 5);
}

// Faults ------------------------------------------------------------------------------------

SimFaults Fault(std::string_view option) {
    SimFaults faults;
    EXPECT_TRUE(AddFault(faults, option)) << option;
    return faults;
}

TEST_F(SimDeviceTest, SilentThermometerNeverAnswers) {
    rebuild(DefaultMemory(unit), Fault("silent"));
    EXPECT_EQ(greeted("MEM"), Lines{});
    EXPECT_EQ(device->answer("HEL"), Lines{});
}

TEST_F(SimDeviceTest, RefusalStrikesTheChosenCommandOfEveryConnection) {
    rebuild(DefaultMemory(unit), Fault("ng1"));
    EXPECT_EQ(device->answer("HEL"), Lines{"OK"});
    EXPECT_EQ(device->answer("RST"), Lines{"NG1"});
    EXPECT_EQ(device->answer("LBL NEW"), Lines{"OK"});
    device->answer("BYE");
    EXPECT_EQ(greeted("MEM"), Lines{"NG1"}); // no dump after a refusal
    EXPECT_EQ(device->answer("MEM S")[1], "LABEL=NEW");

    rebuild(DefaultMemory(unit), Fault("ng3:0"));
    EXPECT_EQ(device->answer("HEL"), Lines{"NG3"});
    EXPECT_EQ(device->answer("CLR"), Lines{"OK"});

    rebuild(DefaultMemory(unit), Fault("garbage:2"));
    EXPECT_EQ(greeted("LBL A"), Lines{"OK"});
    EXPECT_EQ(device->answer("SET 01 A 0.95 500 -40"), Lines{"?ERR"});
    EXPECT_EQ(device->answer("MEM S")[3], "TAG=OVEN"); // the refused line was not taken
}

TEST_F(SimDeviceTest, LongLineFaultPadsTheFirstDumpLine) {
    rebuild(DefaultMemory(unit), Fault("long-line"));
    Lines lines = greeted("MEM T");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].size(), 31u);
    EXPECT_EQ(lines[1].substr(0, 25), "PRINT 2024/05/12 13:45:07");
    EXPECT_EQ(device->answer("MEM S")[1].size(), 31u);
    EXPECT_EQ(device->answer("CLR"), Lines{"OK"});
}

TEST_F(SimDeviceTest, CutFaultSwitchesTheThermometerOffMidDump) {
    rebuild(DefaultMemory(unit), Fault("cut:20"));
    Lines first = greeted("MEM S"); // 77 lines would follow
    EXPECT_EQ(first.size(), 1u + 20);
    EXPECT_TRUE(device->switchedOff());
    EXPECT_EQ(device->answer("BYE"), Lines{});
    EXPECT_EQ(device->answer("HEL"), Lines{});

    rebuild(DefaultMemory(unit), Fault("cut:3"));
    EXPECT_EQ(greeted("MEM T").size(), 2u); // one line: not yet cut
    EXPECT_FALSE(device->switchedOff());
    EXPECT_EQ(device->answer("MEM"), (Lines{"OK", "LABEL=LINE-A", "PRINT 2024/05/12 13:45:07"}));
    EXPECT_TRUE(device->switchedOff());
}

} // namespace
} // namespace vestra::sim
