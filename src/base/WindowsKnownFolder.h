#pragma once

#include <optional>
#include <string>
// shlobj.h needs the types windows.h declares before it.
// clang-format off
#include <windows.h>
#include <shlobj.h>
// clang-format on

namespace vestra {

// The user's known folder (SHGetKnownFolderPath); none when the system names none or names one
// that is no absolute path, which would be taken from the current folder.
std::optional<std::string> KnownFolderPath(REFKNOWNFOLDERID folder);

} // namespace vestra
