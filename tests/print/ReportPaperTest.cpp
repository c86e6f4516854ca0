#include "print/ReportPaper.h"

#include <gtest/gtest.h>

namespace vestra {
namespace {

struct NameCase {
    const char* name;
    std::optional<ReportPaper> paper;
};

class ReportPaperNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(ReportPaperNames, ReadsTheOptionValue) {
    EXPECT_EQ(ParseReportPaper(GetParam().name), GetParam().paper) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Values, ReportPaperNames,
                         ::testing::Values(NameCase{"a4", ReportPaper::A4},
                                           NameCase{"A4", ReportPaper::A4},
                                           NameCase{"letter", ReportPaper::Letter},
                                           NameCase{"Letter", ReportPaper::Letter},
                                           NameCase{"", std::nullopt}, NameCase{"a3", std::nullopt},
                                           NameCase{"letters", std::nullopt},
                                           NameCase{" a4", std::nullopt}));

struct SheetCase {
    int width;
    int height;
    ReportPaper paper;
};

class ReportPaperSheets : public ::testing::TestWithParam<SheetCase> {};

// The sizes glibc's locales give: en_US and fr_CA use Letter, ja_JP, de_DE and C use A4.
TEST_P(ReportPaperSheets, LetterOnlyForTheLetterSheet) {
    EXPECT_EQ(PaperForSheet(GetParam().width, GetParam().height), GetParam().paper)
        << GetParam().width << " x " << GetParam().height;
}

INSTANTIATE_TEST_SUITE_P(Values, ReportPaperSheets,
                         ::testing::Values(SheetCase{216, 279, ReportPaper::Letter},
                                           SheetCase{210, 297, ReportPaper::A4},
                                           SheetCase{279, 216, ReportPaper::A4},
                                           SheetCase{216, 356, ReportPaper::A4},
                                           SheetCase{0, 0, ReportPaper::A4}));

} // namespace
} // namespace vestra
