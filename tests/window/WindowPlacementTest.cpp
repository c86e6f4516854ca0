#include "window/WindowPlacement.h"

#include "base/TextCodec.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

IniFile parse(const std::string& utf8) {
    return IniFile::Parse(ToCp932(utf8));
}

struct PlacementCase {
    const char* name;
    const char* section;
    std::optional<WindowPlacement> expected;
};

class ReadWindowPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(ReadWindowPlacementTest, ReadsWholeNumbersAndRefusesTheRest) {
    EXPECT_EQ(ReadWindowPlacement(parse(GetParam().section)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, ReadWindowPlacementTest,
    ::testing::Values(
        PlacementCase{"Whole", "[Window]\nLeft=10\nTop=-20\nWidth=900\nHeight=700\n",
                      WindowPlacement{10, -20, 900, 700}},
        PlacementCase{"Maximized", "[Window]\nLeft=1\nTop=2\nWidth=3\nHeight=4\nMaximized=1\n",
                      WindowPlacement{1, 2, 3, 4, true}},
        PlacementCase{"Blanks", "[window]\nleft= 1 \nTop=2\nWidth=3\nHeight=4\n",
                      WindowPlacement{1, 2, 3, 4}},
        PlacementCase{"Missing", "[Window]\nLeft=10\nTop=20\nWidth=900\n", std::nullopt},
        PlacementCase{"NotANumber", "[Window]\nLeft=a\nTop=20\nWidth=900\nHeight=1\n",
                      std::nullopt},
        PlacementCase{"Fraction", "[Window]\nLeft=1.5\nTop=20\nWidth=900\nHeight=1\n",
                      std::nullopt},
        PlacementCase{"ZeroSize", "[Window]\nLeft=0\nTop=0\nWidth=0\nHeight=100\n", std::nullopt},
        PlacementCase{"Huge", "[Window]\nLeft=0\nTop=0\nWidth=99999999999\nHeight=100\n",
                      std::nullopt},
        PlacementCase{"OtherSection", "[Setting]\nLeft=0\nTop=0\nWidth=10\nHeight=100\n",
                      std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteWindowPlacement, AddsItsOwnSectionAndKeepsEveryOtherLine) {
    std::string before = "[Setting]\r\nComPort= 1\r\nUnit=ﾟC\r\nUnitChange=1\r\n\r\n[Print]\r\n"
                         "Data=0\r\nGroup= 0\r\n";
    IniFile ini = IniFile::Parse(ToCp932(before));
    WriteWindowPlacement(ini, {5, 6, 700, 600, true});
    std::string after = FromCp932(ini.serialize());
    EXPECT_EQ(after.substr(0, before.size()), before);
    EXPECT_EQ(ReadWindowPlacement(ini), (WindowPlacement{5, 6, 700, 600, true}));
}

// A size saved on a large screen comes back on a small one with its status bar on the screen.
TEST(FitToArea, ShrinksAndMovesAWindowOntoTheFreeArea) {
    const ScreenArea laptop{0, 0, 1366, 740}; // 1366x768 less a 28-pixel panel
    struct Case {
        WindowPlacement saved;
        WindowPlacement fitted;
    };
    const Case cases[] = {
        {{100, 50, 800, 600}, {100, 50, 800, 600}},           // fits: untouched
        {{300, 200, 1800, 1000}, {0, 0, 1350, 692}},          // larger: shrunk to the free area
        {{900, 500, 800, 600}, {550, 92, 800, 600}},          // over the right and bottom edges
        {{-50, -30, 800, 600, true}, {0, 0, 800, 600, true}}, // over the left and top edges
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FitToArea(c.saved, laptop, 8, 40), c.fitted) << c.saved.left;
    }
}

} // namespace
} // namespace vestra
