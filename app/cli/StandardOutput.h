#pragma once

#include "CliCommand.h"

#include <string>
#include <string_view>
#include <vector>

namespace vestra::cli {

// Writes all of text to standard output (fd 1) or standard error (fd 2), unbuffered, so that
// a failed or short write is seen at once: false with the reason. A reader that went away (a
// pipe closed early, as by `| head`) ends the tool quietly by SIGPIPE, as a filter is expected
// to end.
bool WriteAllTo(int fd, std::string_view text, std::string& reason);

// What stands in the file error's second line for standard output.
inline constexpr const char* kStandardOutputName = "標準出力";

// Prints lines (each ended by LF) on standard output, or shows "File Save Error !" for it:
// kExitOk or kExitFileError. The report of a batch is only good when all of it arrived.
int PrintLines(const CliContext& context, const std::vector<std::string>& lines);

// Prints text as it is (a JSON document, lines in code page 932), as PrintLines does.
int PrintText(const CliContext& context, std::string_view text);

} // namespace vestra::cli
