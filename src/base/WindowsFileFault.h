#pragma once

#include <string>

namespace vestra {

// Why a file operation of the Windows API failed (error: its GetLastError code), in the words of
// base/FileFault: each code a file, pipe or device operation of the program can meet is given the
// text of the error number that means the same, so both platforms print the same reason.
std::string WindowsFaultText(unsigned long error);

// A symbolic link or junction at an output's name, which a replace would not follow and a write
// could be sent through; Windows has no shared folder rule that would tell a planted one.
inline constexpr const char* kReparsePoint = "シンボリックリンクまたはジャンクションです";

} // namespace vestra
