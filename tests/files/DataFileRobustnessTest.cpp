#include "SampleData.h"
#include "base/TemperatureUnit.h"
#include "files/DataFile.h"

#include <gtest/gtest.h>
#include <random>

namespace vestra {
namespace {

constexpr TemperatureUnit kC = TemperatureUnit::Celsius;

// Damaged files must be refused or read, never crash or read out of bounds; the sanitizer
// build of these tests makes any such fault fatal.
TEST(DataFileRobustness, EveryTruncationIsRefused) {
    std::string whole = EncodeDataFile(testing::FullDataSet(), kC);
    ASSERT_TRUE(DecodeDataFile(whole, kC).has_value());
    for (std::size_t n = 0; n < whole.size(); ++n) {
        ASSERT_FALSE(DecodeDataFile(std::string_view(whole).substr(0, n), kC).has_value())
            << "length " << n;
    }
}

TEST(DataFileRobustness, RandomMutationsNeverCrash) {
    std::string whole = EncodeDataFile(testing::FullDataSet(), kC);
    std::mt19937 random(20080301);
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string bytes = whole;
        int changes = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < changes; ++i) {
            bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
        }
        if (round % 10 == 0) {
            bytes.resize(random() % (bytes.size() + 1));
        }
        std::optional<DataSet> data = DecodeDataFile(bytes, kC);
        if (data) {
            ++accepted;
            // Whatever is accepted is consistent: counts match the sequences and the total.
            int sum = 0;
            for (const GroupSetting& g : data->groups) {
                ASSERT_GE(g.recordCount, 0);
                ASSERT_EQ(g.recordValues.size(), static_cast<std::size_t>(g.recordCount));
                ASSERT_EQ(g.remarks.size(), g.recordValues.size());
                sum += g.recordCount;
            }
            ASSERT_LE(sum, data->totalCount);
        }
    }
    // Most single-byte changes hit text or values that stay valid, so some files pass.
    EXPECT_GT(accepted, 0);
}

TEST(DataFileRobustness, RandomBytesAreRefused) {
    std::mt19937 random(42);
    for (int round = 0; round < 500; ++round) {
        std::string bytes(random() % 12000, '\0');
        for (char& c : bytes) {
            c = static_cast<char>(random() % 256);
        }
        EXPECT_FALSE(DecodeDataFile(bytes, kC).has_value());
    }
}

} // namespace
} // namespace vestra
