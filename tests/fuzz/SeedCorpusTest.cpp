// The seed corpus must keep reaching deep into each reader: the valid seeds are accepted and the
// near-valid ones rejected. A format change that breaks a seed shows here, not as a quietly
// shallower fuzz run.
#include "device/DumpParser.h"
#include "files/DataFile.h"
#include "files/TempFolder.h"
#include "shell/Common.h"
#include "shell/Settings.h"

#include <gtest/gtest.h>
#include <string>

namespace vestra {
namespace {

using testing::ReadBytes;

std::string seed(const std::string& harness, const std::string& name) {
    return ReadBytes(std::string(VESTRA_FUZZ_CORPUS_DIR) + "/" + harness + "/" + name);
}

DumpStep parse(const std::string& name, ConnectionMode mode, std::string_view unit) {
    std::string text = seed("dump_parser", name);
    EXPECT_FALSE(text.empty()) << name;
    DataSet target;
    DumpParser parser(mode, std::string(unit), target);
    DumpStep step = DumpStep::Continue;
    std::string_view rest = text;
    while (!rest.empty() && step != DumpStep::Complete && step != DumpStep::Reject) {
        std::size_t end = rest.find('\n');
        step = parser.feed(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return step;
}

TEST(SeedCorpusTest, DumpSeedsCompleteOrAreRejected) {
    using enum ConnectionMode;
    EXPECT_EQ(parse("memory_celsius.txt", ModeImportMemory, kUnitCelsius), DumpStep::Complete);
    EXPECT_EQ(parse("memory_fahrenheit_blanks.txt", ModeImportMemory, kUnitFahrenheit),
              DumpStep::Complete);
    EXPECT_EQ(parse("memory_empty.txt", ModeImportMemory, kUnitCelsius), DumpStep::Complete);
    EXPECT_EQ(parse("settings.txt", ModeReadSettings, kUnitCelsius), DumpStep::Complete);
    EXPECT_EQ(parse("clock.txt", ModeReadClock, kUnitCelsius), DumpStep::Complete);
    EXPECT_EQ(parse("clock_short.txt", ModeReadClock, kUnitFahrenheit), DumpStep::Complete);
    for (const char* name :
         {"group_out_of_order.txt", "memory_count_too_big.txt", "alarm_low_above_high.txt"}) {
        EXPECT_EQ(parse(name, ModeImportMemory, kUnitCelsius), DumpStep::Reject) << name;
    }
}

TEST(SeedCorpusTest, DataFileSeedsOpenOnlyWhenValid) {
    auto opens = [](const std::string& name, std::string_view unit) {
        return DecodeDataFile(seed("data_file", name), unit).has_value();
    };
    EXPECT_TRUE(opens("small_celsius.dat", kUnitCelsius));
    EXPECT_FALSE(opens("small_celsius.dat", kUnitFahrenheit));
    EXPECT_TRUE(opens("small_fahrenheit.dat", kUnitFahrenheit));
    EXPECT_TRUE(opens("empty_groups.dat", kUnitCelsius));
    EXPECT_TRUE(opens("trailing_bytes.dat", kUnitCelsius));
    for (const char* name : {"truncated.dat", "count_above_total.dat"}) {
        EXPECT_FALSE(opens(name, kUnitCelsius)) << name;
        EXPECT_FALSE(opens(name, kUnitFahrenheit)) << name;
    }
}

TEST(SeedCorpusTest, SettingsSeedReachesEveryNonDefaultValue) {
    Settings s;
    LoadSettings(std::string(VESTRA_FUZZ_CORPUS_DIR) + "/settings_file/full.ini", s);
    EXPECT_EQ(s.CurrentUnit, kUnitFahrenheit);
    EXPECT_FALSE(s.AskModelType);
    EXPECT_EQ(s.PortNumber, 3);
    EXPECT_TRUE(s.PrintDataOption);
    EXPECT_EQ(s.PrintGroupOption, 2);
    EXPECT_EQ(s.CurrentFilePath, "/home/user/測定/ﾃﾞｰﾀ.dat");
}

} // namespace
} // namespace vestra
