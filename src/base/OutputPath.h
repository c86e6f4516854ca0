#pragma once

#include "base/Expected.h"

#include <string>

namespace vestra {

// The file a write to path lands on. Symbolic links at path are followed only where the
// kernel's fs.protected_symlinks rule would follow them: the link's folder is not both sticky
// and writable by all, or the link belongs to this process's user or to the folder's owner.
// Elsewhere (a link another user planted in /tmp) the write is refused, since following it
// would replace a file of the link's choosing. A settings file linked from the user's own
// dotfiles folder is followed.
//
// An existing file at the end must be a regular file: a folder, a FIFO or a device is refused
// (a rename would replace it, an open could block or raise a device's lines). The target, or
// an error whose text is the reason in words (base/FileFault).
Expected<std::string> ResolveOutputPath(const std::string& path);

// Opens path for writing from its start, for a file written in place (a transcript, a log):
// through ResolveOutputPath, then without following a last link, and what was opened is looked
// at again (the name may have been swapped meanwhile). An existing file is emptied only where
// the kernel's fs.protected_regular rule would open it: its folder is not both sticky and
// writable by all, or the file belongs to this user or to the folder's owner; another user's
// file in /tmp is refused and kept. The descriptor (close-on-exec), or the reason.
Expected<int> OpenOutputFile(const std::string& path);

// Whether a write to path can succeed as far as can be told before it: what ResolveOutputPath
// checks, then a folder that exists and in which this process may make the temporary. For a
// result that takes long to come by (a 12-second import), so that it is not lost to a place
// that could never hold it. The reason in words when it cannot.
Expected<void> CheckOutputPlace(const std::string& path);

// The folder a path names its file in ("." for a bare name).
std::string ContainingFolder(const std::string& path);

} // namespace vestra
