// The seed corpus must keep reaching deep into each reader: the valid seeds are accepted and the
// near-valid ones rejected. A format change that breaks a seed shows here, not as a quietly
// shallower fuzz run.
#include "base/Settings.h"
#include "base/TemperatureUnit.h"
#include "device/DumpParser.h"
#include "files/DataFile.h"
#include "files/TempFolder.h"

#include <gtest/gtest.h>
#include <string>

namespace vestra {
namespace {

using testing::ReadBytes;

std::string seed(const std::string& harness, const std::string& name) {
    return ReadBytes(std::string(VESTRA_FUZZ_CORPUS_DIR) + "/" + harness + "/" + name);
}

DumpStep parse(const std::string& name, ConnectionMode mode, TemperatureUnit unit) {
    std::string text = seed("dump_parser", name);
    EXPECT_FALSE(text.empty()) << name;
    DataSet target;
    DumpParser parser(mode, unit, target);
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
    EXPECT_EQ(parse("memory_celsius.txt", ModeImportMemory, TemperatureUnit::Celsius),
              DumpStep::Complete);
    EXPECT_EQ(parse("memory_fahrenheit_blanks.txt", ModeImportMemory, TemperatureUnit::Fahrenheit),
              DumpStep::Complete);
    EXPECT_EQ(parse("memory_empty.txt", ModeImportMemory, TemperatureUnit::Celsius),
              DumpStep::Complete);
    EXPECT_EQ(parse("settings.txt", ModeReadSettings, TemperatureUnit::Celsius),
              DumpStep::Complete);
    EXPECT_EQ(parse("clock.txt", ModeReadClock, TemperatureUnit::Celsius), DumpStep::Complete);
    EXPECT_EQ(parse("clock_short.txt", ModeReadClock, TemperatureUnit::Fahrenheit),
              DumpStep::Complete);
    for (const char* name :
         {"group_out_of_order.txt", "memory_count_too_big.txt", "alarm_low_above_high.txt"}) {
        EXPECT_EQ(parse(name, ModeImportMemory, TemperatureUnit::Celsius), DumpStep::Reject)
            << name;
    }
}

TEST(SeedCorpusTest, DataFileSeedsOpenOnlyWhenValid) {
    auto opens = [](const std::string& name, TemperatureUnit unit) {
        return DecodeDataFile(seed("data_file", name), unit).has_value();
    };
    EXPECT_TRUE(opens("small_celsius.dat", TemperatureUnit::Celsius));
    EXPECT_FALSE(opens("small_celsius.dat", TemperatureUnit::Fahrenheit));
    EXPECT_TRUE(opens("small_fahrenheit.dat", TemperatureUnit::Fahrenheit));
    EXPECT_TRUE(opens("empty_groups.dat", TemperatureUnit::Celsius));
    EXPECT_TRUE(opens("trailing_bytes.dat", TemperatureUnit::Celsius));
    for (const char* name : {"truncated.dat", "count_above_total.dat"}) {
        EXPECT_FALSE(opens(name, TemperatureUnit::Celsius)) << name;
        EXPECT_FALSE(opens(name, TemperatureUnit::Fahrenheit)) << name;
    }
}

TEST(SeedCorpusTest, SettingsSeedReachesEveryNonDefaultValue) {
    Settings s;
    LoadSettings(std::string(VESTRA_FUZZ_CORPUS_DIR) + "/settings_file/full.ini", s);
    EXPECT_EQ(s.CurrentUnit, TemperatureUnit::Fahrenheit);
    EXPECT_FALSE(s.AskModelType);
    EXPECT_EQ(s.PortNumber, 3);
    EXPECT_TRUE(s.PrintDataOption);
    EXPECT_EQ(s.PrintGroupOption, 2);
    EXPECT_EQ(s.CurrentFilePath, "/home/user/測定/ﾃﾞｰﾀ.dat");
}

} // namespace
} // namespace vestra
