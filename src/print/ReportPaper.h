#pragma once

#include <optional>
#include <string_view>

namespace vestra {

// The sheets a PDF report is laid out for.
enum class ReportPaper { A4, Letter };

// "a4" or "letter", in any letter case; empty for anything else.
std::optional<ReportPaper> ParseReportPaper(std::string_view name);

// The paper of a locale whose sheet measures widthMm by heightMm: Letter for 216 x 279 mm (the
// locales of North America and a few others), A4 for every other size.
ReportPaper PaperForSheet(int widthMm, int heightMm);

// The paper the user's environment names (LC_ALL, LC_PAPER, LANG); A4 when it names none.
ReportPaper EnvironmentPaper();

} // namespace vestra
