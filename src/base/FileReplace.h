#pragma once

#include "base/Expected.h"

#include <string>
#include <string_view>

namespace vestra {

// The platform's half of WriteFileAtomically: replaces the file at target, a name
// ResolveOutputPath has accepted, with bytes through a temporary in target's folder
// (base/TemporaryFile.h), flushed to disk before it takes the name. On failure the old file is
// unchanged, the temporary is removed and the error's text says why in words (base/FileFault).
Expected<void> ReplaceWithBytes(const std::string& target, std::string_view bytes);

} // namespace vestra
