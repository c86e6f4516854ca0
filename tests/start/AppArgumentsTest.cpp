#include "start/AppArguments.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

using Action = AppArguments::Action;

struct Case {
    std::vector<std::string> args;
    Action action;
    std::string file;
};

TEST(AppArgumentsTest, EachCommandLineGivesItsAction) {
    const Case cases[] = {
        {{}, Action::Run, ""},
        {{"plant.qmc"}, Action::Run, "plant.qmc"},
        {{"--", "-odd name.qmc"}, Action::Run, "-odd name.qmc"},
        {{"-"}, Action::Run, "-"},
        {{"--version"}, Action::Version, ""},
        {{"plant.qmc", "--version"}, Action::Version, ""},
        {{"--bogus", "--version"}, Action::Version, ""},
        {{"-h"}, Action::Help, ""},
        {{"--help", "a.qmc", "b.qmc"}, Action::Help, ""},
        {{"--bogus"}, Action::Mistake, ""},
        {{"a.qmc", "b.qmc"}, Action::Mistake, ""},
        {{"", "b.qmc"}, Action::Mistake, ""},
    };
    for (const Case& c : cases) {
        AppArguments parsed = ParseAppArguments(c.args);
        std::string line = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(parsed.action, c.action) << line;
        EXPECT_EQ(parsed.file, c.file) << line;
        EXPECT_EQ(parsed.error.empty(), c.action != Action::Mistake) << line;
    }
}

// Without any display Qt aborts; the program must say so and end instead.
TEST(HasDisplay, APlatformOrADesktopSessionIsNeeded) {
    struct Case {
        std::vector<std::string> args;
        DisplayEnvironment environment;
        bool expected;
    };
    const Case cases[] = {
        {{}, {}, false},
        {{}, {"", "", ""}, false},
        {{"plant.qmc"}, {nullptr, ":0", nullptr}, true},
        {{}, {nullptr, nullptr, "wayland-0"}, true},
        {{}, {"offscreen", nullptr, nullptr}, true},
        {{"-platform", "offscreen"}, {}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HasDisplay(c.args, c.environment), c.expected)
            << (c.args.empty() ? "(none)" : c.args.front());
    }
}

} // namespace
} // namespace vestra
