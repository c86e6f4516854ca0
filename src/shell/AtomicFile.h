#pragma once

#include <string>
#include <string_view>

namespace vestra {

// Replaces the file at path with bytes so that the old file survives any failure: the bytes go
// to a temporary file in the same folder, are flushed to disk, and only then is the temporary
// renamed over path. Every step is checked, the closing and the flush to disk included. On
// failure (folder missing or not writable, disk full, a folder or device at path) the old file
// is unchanged, no temporary is left behind, reason says why, and the result is false.
//
// A symbolic link at path keeps pointing where it did: its target is replaced. The new file
// keeps the permissions of the file it replaces, or gets those of the umask.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& reason);
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// The temporary names this program uses in a folder: a fixed short length, so that they fit
// beside a target of any valid name.
inline constexpr std::string_view kTemporaryPrefix = ".vestra-";
inline constexpr std::size_t kTemporaryNameLength = 14;

// A temporary older than this was left by a save that was killed; the next save into its
// folder removes it.
inline constexpr int kStaleTemporarySeconds = 3600;

} // namespace vestra
