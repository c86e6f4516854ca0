#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vestra::cli {

// Runs the report program (vestra-report, beside this tool or in its libexec folder) with args,
// input on its standard input; its standard output arrives in output. False with the reason
// (what it wrote on standard error, or why it could not run) otherwise.
bool RunReportProgram(const std::vector<std::string>& args, std::string_view input,
                      std::string& output, std::string& reason);

} // namespace vestra::cli
