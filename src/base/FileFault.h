#pragma once

#include <string>

namespace vestra {

// Why a file could not be read or written, in words for the line under "File Load Error !" or
// "File Save Error !". The texts do not depend on the locale, so what the user reads is what
// the tests check.
std::string FileFaultText(int error);

// Faults that no system error number describes.
inline constexpr const char* kNotRegularFile = "通常のファイルではありません";
inline constexpr const char* kFileTooLarge = "ファイルが大きすぎます";
inline constexpr const char* kNotDataFile = "データファイルではありません";
inline constexpr const char* kForeignLink =
    "共有フォルダにある他のユーザーのシンボリックリンクです";
inline constexpr const char* kForeignFile = "共有フォルダにある他のユーザーのファイルです";

// The second line of a file error: the path, escaped for display (VisibleText), and the reason.
// Callers pass the path as it is.
std::string FileFaultLine(const std::string& path, const std::string& reason);

} // namespace vestra
