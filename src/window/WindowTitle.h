#pragma once

#include <string>

namespace vestra {

// The main window's title: the program's name, then " - " and the data file's name when the
// shown data has one, and "*" while the data holds changes not yet saved.
std::string MainWindowTitle(const std::string& fileName, bool modified);

} // namespace vestra
