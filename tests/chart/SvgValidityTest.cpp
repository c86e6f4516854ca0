#include "ChartSample.h"
#include "chart/GroupChart.h"
#include "chart/SvgWriter.h"
#include "files/TempFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

namespace vestra::chart {
namespace {

std::string randomBytes(std::mt19937& random) {
    std::uniform_int_distribution<int> length(0, 24);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text(static_cast<std::size_t>(length(random)), '\0');
    for (char& c : text) {
        c = static_cast<char>(byte(random));
    }
    return text;
}

// Any reader must open the chart of any data, however damaged its tags and objects are.
TEST(SvgValidity, ChartsOfDamagedDataSetsAreWellFormedXml) {
    vestra::testing::TempFolder folder("vestra-svg-validity");
    std::mt19937 random(20261208);
    std::string files;
    for (int n = 0; n < 200; ++n) {
        GroupSetting group = testing::GroupOf(testing::EveryTenMinutes({20, 25, 22}));
        group.tag = randomBytes(random);
        group.target = randomBytes(random);
        DataSet data;
        data.group(1) = group;
        std::string path = folder.file(std::to_string(n) + ".svg");
        vestra::testing::WriteBytes(path,
                                    WriteSvg(LayoutGroupChart(data, 1, "ﾟC", 400, 200).drawing));
        files += " '" + path + "'";
    }
    EXPECT_EQ(std::system(("xmllint --noout" + files).c_str()), 0);
}

} // namespace
} // namespace vestra::chart
