#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vestra {

// The temporaries a save writes before they take the target's name, in the target's folder.
// Their name, .vestra-tmp.<host>.<pid>.XXXXXX, is one no user would choose and tells which
// process on which host made one; it does not depend on the target's name, so a target may use
// the whole 255-character name length.
inline constexpr std::string_view kTemporaryPrefix = ".vestra-tmp.";

// A temporary older than this may have been left by a save that was killed.
inline constexpr int kStaleTemporarySeconds = 3600;

// The random letters and digits that end a temporary's name.
inline constexpr std::size_t kTemporarySuffixLength = 6;

// A temporary's name (without folder) for the process numbered pid on this host, up to its
// random suffix.
std::string TemporaryNamePrefix(long pid);

// A fresh temporary's name, the random suffix included.
std::string NewTemporaryName(long pid);

// The process that made the temporary called name on this host, or 0 when name does not follow
// the full pattern or was made on another host.
long TemporaryMaker(std::string_view name);

// Removes the temporaries in folder left by killed saves: only files whose name follows this
// program's full pattern, owned by this user, older than kStaleTemporarySeconds, made on this
// host by a process that no longer exists. Anything else is left as it is.
void RemoveStaleTemporaries(const std::string& folder);

// This host's part of a temporary's name.
std::string TemporaryHostPart();

} // namespace vestra
