#pragma once

#include <string>

namespace vestra {

// Where the help document of a program in programFolder is: help/index.html beside the program
// when it is there (the build tree), otherwise in the data folder of the installation
// (share/vestra/help beside bin/).
std::string HelpDocumentPath(const std::string& programFolder);

} // namespace vestra
