#include "print/ReportPaper.h"

#include "base/FileFunc.h"

#include <string>

namespace vestra {
namespace {

// Letter is 8.5 x 11 inches, which the locales give rounded to whole millimetres.
constexpr int kLetterWidthMm = 216;
constexpr int kLetterHeightMm = 279;

} // namespace

std::optional<ReportPaper> ParseReportPaper(std::string_view name) {
    std::string lower = LowerCaseAscii(std::string(name));
    if (lower == "a4") {
        return ReportPaper::A4;
    }
    if (lower == "letter") {
        return ReportPaper::Letter;
    }
    return std::nullopt;
}

ReportPaper PaperForSheet(int widthMm, int heightMm) {
    return widthMm == kLetterWidthMm && heightMm == kLetterHeightMm ? ReportPaper::Letter
                                                                    : ReportPaper::A4;
}

} // namespace vestra
