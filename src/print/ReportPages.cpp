#include "print/ReportPages.h"

#include <cmath>

namespace vestra {

int LinesPerPage(double pageHeight, double lineHeight) {
    if (!(pageHeight > 0) || !(lineHeight > 0)) {
        return 0;
    }
    return static_cast<int>(std::floor(pageHeight / lineHeight));
}

bool CheckLinesPerPage(int linesPerPage, MessageSink& messages) {
    if (linesPerPage >= kMinLinesPerPage) {
        return true;
    }
    messages.showMessage("用紙ｻｲｽﾞが小さすぎます。\r\nもう少し大きい用紙ｻｲｽﾞを指定してください。",
                         MessageIcon::Exclamation);
    return false;
}

std::vector<ReportPage> PaginateReport(const std::vector<std::string>& body, bool pageNumbers,
                                       int linesPerPage) {
    std::vector<ReportPage> pages;
    for (const std::string& line : body) {
        if (pages.empty() || static_cast<int>(pages.back().lines.size()) >= linesPerPage) {
            ReportPage page;
            page.number = static_cast<int>(pages.size()) + 1;
            if (pageNumbers) {
                page.lines.push_back("ﾍﾟｰｼﾞ " + std::to_string(page.number));
            }
            page.lines.emplace_back();
            pages.push_back(std::move(page));
        }
        pages.back().lines.push_back(line);
    }
    return pages;
}

} // namespace vestra
