#include "print/PdfStamps.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

const DateTime kCreated{2024, 3, 5, 6, 7, 8};

TEST(PdfStampsTest, TheCreationDateBecomesTheGivenOneAtTheSameLength) {
    struct Case {
        std::string pdf;
        std::string fixed;
    };
    const Case cases[] = {
        {"1 0 obj\n/CreationDate (D:20261208074336Z)\n",
         "1 0 obj\n/CreationDate (D:20240305060708Z)\n"},
        {"/CreationDate (D:20261208084336+01'00')", "/CreationDate (D:20240305060708+00'00')"},
        {"/CreationDate (D:2026)", "/CreationDate (D:2026)"},
        {"no stamp at all", "no stamp at all"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WithFixedStamps(c.pdf, kCreated), c.fixed) << c.pdf;
    }
}

TEST(PdfStampsTest, TheIdFollowsTheContentNotChance) {
    std::string first =
        WithFixedStamps("body A\n/ID [<0123456789ABCDEF> <FEDCBA9876543210>]", kCreated);
    std::string again =
        WithFixedStamps("body A\n/ID [<A0A0A0A0A0A0A0A0> <1111111111111111>]", kCreated);
    std::string other =
        WithFixedStamps("body B\n/ID [<0123456789ABCDEF> <FEDCBA9876543210>]", kCreated);
    EXPECT_EQ(first, again);
    EXPECT_NE(first.substr(7), other.substr(7));
    EXPECT_EQ(first.size(),
              std::string("body A\n/ID [<0123456789ABCDEF> <FEDCBA9876543210>]").size());
}

TEST(PdfStampsTest, SourceDateEpochIsWholeSecondsOnly) {
    EXPECT_EQ(SourceDateEpoch("1700000000"), (DateTime{2023, 11, 14, 22, 13, 20}));
    for (const char* bad : {"", "12x", "-5", static_cast<const char*>(nullptr)}) {
        EXPECT_FALSE(SourceDateEpoch(bad)) << (bad ? bad : "null");
    }
}

} // namespace
} // namespace vestra
