#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vestra::cli {

// What the report program is asked to make.
enum class ReportKind { Pdf, Png };

// Runs the report program (vestra-report, a private program: base/InstallLayout) with args,
// input on its standard input; its standard output arrives in output, checked to be a whole
// file of kind before anyone may replace a file with it. False with the reason (what it wrote
// on standard error, why it could not run, or that its output is no such file) otherwise. A
// build without the windows has no report program and always fails (NoReportProgram.cpp).
bool RunReportProgram(ReportKind kind, const std::vector<std::string>& args, std::string_view input,
                      std::string& output, std::string& reason);

} // namespace vestra::cli
