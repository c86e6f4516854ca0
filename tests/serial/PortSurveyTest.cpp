#include "serial/PortSurvey.h"

#include "serial/PortNames.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

using PortMap = std::map<int, std::string>;

struct AssignCase {
    const char* name;
    PortMap before;
    std::set<int> builtIn;
    std::vector<std::string> adapters; // by-id links; the device is the link + "-tty"
    PortMap after;
    std::vector<int> given;
};

PortSurvey SurveyOf(const AssignCase& c) {
    PortSurvey survey;
    survey.builtIn = c.builtIn;
    for (const std::string& link : c.adapters) {
        survey.adapters.push_back({link, link + "-tty", "", "", "", ""});
    }
    return survey;
}

TEST(PortSurveyTest, NewAdaptersGetTheLowestFreeNumberOnce) {
    std::map<int, std::string> full;
    for (int n = 1; n <= 16; ++n) {
        full[n] = "/dev/x" + std::to_string(n);
    }
    const AssignCase cases[] = {
        {"first adapter on a machine with COM1", {}, {1}, {"/by-id/a"}, {{2, "/by-id/a"}}, {2}},
        {"two adapters, a hand entry between",
         {{3, "/dev/ttyUSB9"}},
         {1},
         {"/by-id/a", "/by-id/b"},
         {{2, "/by-id/a"}, {3, "/dev/ttyUSB9"}, {4, "/by-id/b"}},
         {2, 4}},
        {"an adapter already known keeps its number",
         {{7, "/by-id/a"}},
         {},
         {"/by-id/a"},
         {{7, "/by-id/a"}},
         {}},
        {"an adapter named by its device is known",
         {{5, "/by-id/a-tty"}},
         {},
         {"/by-id/a"},
         {{5, "/by-id/a-tty"}},
         {}},
        {"no free number", full, {}, {"/by-id/a"}, full, {}},
    };
    for (const AssignCase& c : cases) {
        PortMap ports = c.before;
        EXPECT_EQ(AssignNewAdapters(ports, SurveyOf(c)), c.given) << c.name;
        EXPECT_EQ(ports, c.after) << c.name;
    }
}

TEST(PortSurveyTest, ListingShowsEveryNumberAndEveryPortFound) {
    PortSurvey survey;
    survey.builtIn = {1};
    survey.adapters.push_back({"/by-id/a", "/dev/ttyUSB0", "Maker Cable", "0403", "6001", "S1"});
    std::vector<std::string> lines = PortListing({{2, "/by-id/a"}}, survey);
    ASSERT_EQ(lines.size(), 16u + 3u);
    EXPECT_EQ(lines[0], "COM1\t" + BuiltInPortName(1));
    EXPECT_EQ(lines[1], "COM2\t/by-id/a\t/dev/ttyUSB0 Maker Cable (0403:6001) S/N S1");
    EXPECT_EQ(lines[15], "COM16\t" + BuiltInPortName(16));
    EXPECT_EQ(lines[16], "Detected serial ports:");
    EXPECT_EQ(lines[17], BuiltInPortName(1) + "\tbuilt-in");
    EXPECT_EQ(lines[18], "/dev/ttyUSB0\t/by-id/a\t/dev/ttyUSB0 Maker Cable (0403:6001) S/N S1");
}

// A USB descriptor is the adapter maker's text: it reaches the terminal escaped.
TEST(PortSurveyTest, ListingEscapesControlCharactersOfAdapters) {
    PortSurvey survey;
    survey.adapters.push_back({"/by-id/a\x1b", "/dev/ttyUSB0", "Cable\x1b[2J", "", "", ""});
    std::vector<std::string> lines = PortListing({{2, "/by-id/a\x1b"}}, survey);
    EXPECT_EQ(lines[1], "COM2\t/by-id/a\\x1b\t/dev/ttyUSB0 Cable\\x1b[2J");
    EXPECT_EQ(lines.back(), "/dev/ttyUSB0\t/by-id/a\\x1b\t/dev/ttyUSB0 Cable\\x1b[2J");
}

} // namespace
} // namespace vestra
