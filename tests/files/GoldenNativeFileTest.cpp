// The native files under expected/ were written from the record layout by make-native.py, not
// by the program, so a fault in the writer cannot hide behind a comparison with itself.
#include "SampleData.h"
#include "TempFolder.h"
#include "base/TemperatureUnit.h"
#include "files/DataFile.h"

#include <gtest/gtest.h>

#ifndef VESTRA_EXPECTED_DIR
#error "VESTRA_EXPECTED_DIR must name tests/files/expected"
#endif

namespace vestra {
namespace {

struct GoldenCase {
    const char* file;
    TemperatureUnit unit;
};

class GoldenNativeFile : public ::testing::TestWithParam<GoldenCase> {
protected:
    std::string golden() const {
        return testing::ReadBytes(std::string(VESTRA_EXPECTED_DIR) + "/" + GetParam().file);
    }
};

TEST_P(GoldenNativeFile, WriterProducesItByteForByte) {
    std::string bytes = golden();
    ASSERT_EQ(bytes.size(), 52u * 56u);
    EXPECT_EQ(EncodeDataFile(testing::SmallDataSet(), GetParam().unit), bytes);
}

TEST_P(GoldenNativeFile, ReaderReadsItBackWhole) {
    std::optional<DataSet> read = DecodeDataFile(golden(), GetParam().unit);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(EncodeDataFile(*read, GetParam().unit), golden());
    EXPECT_EQ(read->group(1).remarks.at(2), "  出口");
    EXPECT_EQ(read->group(2).target, "ﾀﾞｸﾄ");
}

INSTANTIATE_TEST_SUITE_P(BothUnits, GoldenNativeFile,
                         ::testing::Values(GoldenCase{"small.qmc", TemperatureUnit::Celsius},
                                           GoldenCase{"small.qmf", TemperatureUnit::Fahrenheit}),
                         [](const auto& info) {
                             return info.param.unit == TemperatureUnit::Celsius ? "Celsius"
                                                                                : "Fahrenheit";
                         });

} // namespace
} // namespace vestra
