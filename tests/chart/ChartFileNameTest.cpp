#include "chart/ChartFileName.h"

#include <gtest/gtest.h>

namespace vestra::chart {
namespace {

TEST(ChartFileNameTest, TheTagElseTheDataFileElseTheProduct) {
    DataSet data;
    data.group(2).tag = " KILN/1 ";
    struct Case {
        int group;
        std::string dataFile;
        std::string offered;
    };
    for (const Case& c : std::vector<Case>{{2, "plant.qmc", "KILN_1"},
                                           {3, "plant.qmc", "plant-3"},
                                           {0, "plant.qmc", "plant"},
                                           {0, "", "VESTRA"},
                                           {15, "", "VESTRA-15"}}) {
        EXPECT_EQ(ChartFileName(data, c.group, c.dataFile), c.offered) << c.group << c.dataFile;
    }
}

} // namespace
} // namespace vestra::chart
