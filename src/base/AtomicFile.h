#pragma once

#include "base/Expected.h"

#include <string>
#include <string_view>

namespace vestra {

// Replaces the file at path with bytes so that the old file survives any failure: the bytes go
// to a temporary file in the same folder, are flushed to disk, and only then is the temporary
// renamed over path. Every step is checked, the closing and the flush to disk included. On
// failure (folder missing or not writable, disk full, a folder or device at path) the old file
// is unchanged, no temporary is left behind, and the error's text says why in words
// (base/FileFault).
//
// A symbolic link at path keeps pointing where it did: its target is replaced, where the link
// may be followed (see ResolveOutputPath). The new file keeps the owner, group and permissions
// of the file it replaces as far as the process may set them, or gets those of the umask.
Expected<void> WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace vestra
