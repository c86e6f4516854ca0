#pragma once

#include <string>
#include <string_view>

namespace vestra {

// The separator the program writes, and every one it reads: Windows takes '/' as well.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
inline constexpr std::string_view kPathSeparators = "\\/";
#else
inline constexpr char kPathSeparator = '/';
inline constexpr std::string_view kPathSeparators = "/";
#endif

// True when the path names a file that can be opened for reading; false for the empty string,
// a folder, a missing or unreadable file. Never reports an error.
bool FileExists(const std::string& path);

// The path up to and including its last separator when the file exists (the path itself when
// it has no separator); otherwise the program's own folder.
std::string FolderOf(const std::string& path);

// The text after the last separator; empty when the path is empty, ends with a separator or
// has no separator at all.
std::string FileNameOf(const std::string& path);

// The text after the last "." anywhere in the path, even before a separator; empty when there
// is none.
std::string ExtensionOf(const std::string& path);

// The text with ASCII letters in lower case, for comparing extensions ("TXT" is "txt").
std::string LowerCaseAscii(std::string text);

// Deletes the file; a missing or busy file is ignored.
void RemoveFile(const std::string& path);

// The folder of the running program, without a trailing separator.
std::string ProgramFolder();

} // namespace vestra
