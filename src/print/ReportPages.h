#pragma once

#include "base/MessageSink.h"

#include <string>
#include <vector>

namespace vestra {

// A page must hold the page-start lines and a fair share of the report.
inline constexpr int kMinLinesPerPage = 10;

// Whole lines of lineHeight that fit into pageHeight (any one unit); 0 for a height that is
// not positive.
int LinesPerPage(double pageHeight, double lineHeight);

// True when a page holds at least kMinLinesPerPage lines; otherwise tells the user to choose
// larger paper.
bool CheckLinesPerPage(int linesPerPage, MessageSink& messages);

struct ReportPage {
    int number = 0; // 1-based, as the printer counts its pages
    std::vector<std::string> lines;
};

// Cuts the report body into pages of linesPerPage lines. Each page starts with "ﾍﾟｰｼﾞ n" (when
// pageNumbers) and an empty line, which count among its lines. A page is started only for a
// body line that needs it, so a body that exactly fills its last page gives no further page
// with nothing but the page-start lines, and an empty body gives no page at all.
// linesPerPage must be at least kMinLinesPerPage.
std::vector<ReportPage> PaginateReport(const std::vector<std::string>& body, bool pageNumbers,
                                       int linesPerPage);

} // namespace vestra
