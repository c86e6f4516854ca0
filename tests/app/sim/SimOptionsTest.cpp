#include "SimOptions.h"

#include <gtest/gtest.h>

namespace vestra::sim {
namespace {

TEST(SimOptionsTest, FaultsTakeTheirNumbers) {
    SimFaults faults;
    EXPECT_TRUE(AddFault(faults, "slow:1800:3") && AddFault(faults, "ng3:4") &&
                AddFault(faults, "long-line") && AddFault(faults, "cut:0"));
    EXPECT_EQ(faults.slowMs, 1800);
    EXPECT_EQ(faults.slowPieces, 3);
    EXPECT_EQ(faults.replaced->reply, "NG3");
    EXPECT_EQ(faults.replaced->at, 4);
    EXPECT_EQ(faults.longLine, 31);
    EXPECT_EQ(faults.cutAfter, 0);

    for (const char* bad : {"", "cut", "cut:", "cut:-1", "slow:0", "slow:1:2:3", "ng2", "ng1:x",
                            "silent:1", "long-line:31x", "garbage:1:2"}) {
        SimFaults unchanged;
        EXPECT_FALSE(AddFault(unchanged, bad)) << bad;
    }
}

TEST(SimOptionsTest, CommandLineIsCheckedWhole) {
    SimOptions options;
    std::string error;
    ASSERT_TRUE(ParseSimOptions({"--unit", "F", "--readings=150", "--link", "/tmp/x", "--pace",
                                 "--fault", "slow", "--fault=cut:9", "--log", "l", "--verbose"},
                                options, error))
        << error;
    EXPECT_EQ(options.unit.factoryHigh, 932);
    EXPECT_EQ(options.readings, 150);
    EXPECT_TRUE(options.pace && options.verbose);
    EXPECT_EQ(options.faults.slowMs, 1500); // faults add up
    EXPECT_EQ(options.faults.cutAfter, 9);

    const std::vector<std::vector<std::string>> bad = {
        {"--readings", "151"},
        {"--readings", "-1"},
        {"--unit", "K"},
        {"--fault", "sticky"},
        {"--memory", "a", "--readings", "3"},
        {"--link"},
        {"--speed", "9600"},
        {"--pace", "extra"},
    };
    for (const auto& args : bad) {
        SimOptions rejected;
        error.clear();
        EXPECT_FALSE(ParseSimOptions(args, rejected, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
    EXPECT_FALSE(ParseSimOptions({"--speed=9600"}, options, error));
    EXPECT_EQ(error, "unknown option '--speed'");
}

TEST(SimOptionsTest, VersionAndHelpAreFlagsOfTheirOwn) {
    struct Case {
        std::vector<std::string> args;
        bool version;
        bool help;
    };
    const Case cases[] = {
        {{"--version"}, true, false},
        {{"--pace", "--version"}, true, false},
        {{"-h"}, false, true},
        {{"--pace"}, false, false},
    };
    for (const Case& c : cases) {
        SimOptions options;
        std::string error;
        ASSERT_TRUE(ParseSimOptions(c.args, options, error)) << error;
        EXPECT_EQ(options.version, c.version) << c.args.back();
        EXPECT_EQ(options.help, c.help) << c.args.back();
    }
}

} // namespace
} // namespace vestra::sim
