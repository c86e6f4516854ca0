#pragma once

#include <string>
#include <string_view>

namespace vestra {

// Replaces the file at path with bytes so that the old file survives any failure: the bytes go
// to a temporary file in the same folder, are flushed to disk, and only then is the temporary
// renamed over path. On failure (folder missing or not writable, disk full) the old file is
// unchanged, no temporary is left behind, and the result is false.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// The whole file, or nothing when it cannot be read. At most maxBytes are read, so a huge
// file never costs more memory than its caller is prepared to look at.
bool ReadFilePrefix(const std::string& path, std::size_t maxBytes, std::string& bytes);

} // namespace vestra
