#pragma once

#include <string_view>

namespace vestra::cli {

// Writes each line of text to standard error after "vestra-cli: ", so that a line in a script's
// log tells which program wrote it. A line that cannot be written has nowhere else to go.
void WriteErrorLines(std::string_view text);

// One line saying what is wrong with the command line; returns the usage exit status.
int RefuseUsage(std::string_view line);

} // namespace vestra::cli
