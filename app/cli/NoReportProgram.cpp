#include "ReportProgram.h"

namespace vestra::cli {

// A build without the windows (VESTRA_BUILD_UI=OFF) has no report program: a PDF or a PNG chart
// fails as it does when the program is missing, naming the reason, and nothing is written.
bool RunReportProgram(ReportKind, const std::vector<std::string>&, std::string_view, std::string&,
                      std::string& reason) {
    reason = "vestra-report がビルドされていません (VESTRA_BUILD_UI=OFF)";
    return false;
}

} // namespace vestra::cli
