#include "chart/SvgWriter.h"

#include "ChartSample.h"
#include "chart/GroupChart.h"
#include "files/TempFolder.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

namespace vestra::chart {
namespace {

Drawing sample() {
    Drawing d{200, 100, {}};
    d.shapes.emplace_back(Line{{0.5, 1.25}, {199.999, 1}, kHighInk, 1, true});
    d.shapes.emplace_back(Polyline{{{1, 2}, {3, 4.5}}, kLineInk, 1.5});
    d.shapes.emplace_back(Marker{{10, 20}, 3, kLowInk});
    d.shapes.emplace_back(Box{{5, 5}, 90, 40, kInk, true, {255, 255, 255}});
    d.shapes.emplace_back(Text{{7, 8}, "<ﾃﾞｰﾀ & \"x\">", kAverageInk, 11, Anchor::End});
    return d;
}

TEST(SvgWriter, WritesTheSameBytesForTheSameDrawing) {
    EXPECT_EQ(WriteSvg(sample()), WriteSvg(sample()));
}

struct FragmentCase {
    const char* name;
    const char* fragment;
};

class SvgFragmentTest : public ::testing::TestWithParam<FragmentCase> {};

TEST_P(SvgFragmentTest, WritesEachShapeAsItsElement) {
    EXPECT_NE(WriteSvg(sample()).find(GetParam().fragment), std::string::npos)
        << GetParam().fragment;
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, SvgFragmentTest,
    ::testing::Values(FragmentCase{"Root", "width=\"200\" height=\"100\" viewBox=\"0 0 200 100\""},
                      FragmentCase{"DashedLine", "<line x1=\"0.5\" y1=\"1.25\" x2=\"200\" y2=\"1\" "
                                                 "stroke=\"#ff0000\" stroke-width=\"1\" "
                                                 "stroke-dasharray=\"6 3\"/>"},
                      FragmentCase{"Polyline", "points=\"1,2 3,4.5\""},
                      FragmentCase{"Marker",
                                   "<circle cx=\"10\" cy=\"20\" r=\"3\" fill=\"#0000ff\"/>"},
                      FragmentCase{"FilledBox", "fill=\"#ffffff\" stroke=\"#000000\"/>"},
                      FragmentCase{"EscapedText", "&lt;ﾃﾞｰﾀ &amp; &quot;x&quot;&gt;</text>"},
                      FragmentCase{"FaintInk", "fill=\"#000000\" fill-opacity=\"0.35\""},
                      FragmentCase{"EndAnchor", "text-anchor=\"end\""}),
    [](const auto& info) { return std::string(info.param.name); });

// Damaged data may hold any bytes; each byte of what XML forbids becomes U+FFFD, the rest stays
// as it was.
TEST(SvgWriter, CharactersXmlForbidsBecomeReplacementCharacters) {
    struct Case {
        std::string text;
        std::string written;
    };
    const Case cases[] = {
        {"A\x01"
         "B",
         "A\uFFFDB"},
        {"\t\x1f", "\t\uFFFD"},
        {"\xFF", "\uFFFD"},
        {"\xEF\xBF\xBE", "\uFFFD\uFFFD\uFFFD"}, // U+FFFE
        {"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"}, // a surrogate
        {"\xC0\xAF", "\uFFFD\uFFFD"},           // an overlong "/"
        {"\xE3\x82", "\uFFFD\uFFFD"},           // cut short
        {"ﾃﾞｰﾀ\xF0\x9F\x98\x80", "ﾃﾞｰﾀ\xF0\x9F\x98\x80"},
    };
    for (const Case& c : cases) {
        Drawing d{10, 10, {}};
        d.shapes.emplace_back(Text{{1, 1}, c.text, kInk, 11, Anchor::Start});
        EXPECT_NE(WriteSvg(d).find(">" + c.written + "</text>"), std::string::npos) << c.written;
    }
}

// Any reader must open the chart of any data, however damaged its tags and objects are.
TEST(SvgWriter, ChartsOfRandomlyDamagedDataSetsAreWellFormedXml) {
    vestra::testing::TempFolder folder("vestra-svg-validity");
    std::mt19937 random(20261208);
    auto damaged = [&random] {
        std::string text(random() % 25, '\0');
        for (char& c : text) {
            c = static_cast<char>(random() % 256);
        }
        return text;
    };
    std::string files;
    for (int n = 0; n < 200; ++n) {
        DataSet data;
        data.group(1) = testing::GroupOf(testing::EveryTenMinutes({20, 25, 22}));
        data.group(1).tag = damaged();
        data.group(1).target = damaged();
        files += " '" + folder.file(std::to_string(n) + ".svg") + "'";
        vestra::testing::WriteBytes(
            folder.file(std::to_string(n) + ".svg"),
            WriteSvg(LayoutGroupChart(data, 1, TemperatureUnit::Celsius, 400, 200).drawing));
    }
    EXPECT_EQ(std::system(("xmllint --noout" + files).c_str()), 0);
}

TEST(SvgWriter, WritesNoMinusForZeroAndNothingForNumbersThatAreNot) {
    Drawing d{10, 10, {}};
    d.shapes.emplace_back(Marker{{-0.001, NAN}, 1, kInk});
    EXPECT_NE(WriteSvg(d).find("cx=\"0\" cy=\"0\""), std::string::npos);
}

} // namespace
} // namespace vestra::chart
