#pragma once

#include <string>
#include <string_view>

namespace vestra {

// What each program prints for --version: its name and the version of the version record,
// "vestra 2.0.0".
std::string VersionLine(std::string_view program);

} // namespace vestra
