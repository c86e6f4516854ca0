#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vestra::history {

// The system's side of the folder walk of `history add FOLDER` (history/SourceFolders), one
// file per platform. Paths are the program's UTF-8 text.

// A folder as the system knows it, whatever path led there: its device and inode, or on Windows
// its volume's serial number and its file index.
struct FolderId {
    std::uint64_t volume = 0;
    std::uint64_t file = 0;
    auto operator<=>(const FolderId&) const = default;
};

// The identity of the folder at path, links (and on Windows junctions) followed; none with the
// reason when the system cannot tell it.
std::optional<FolderId> IdentifyFolder(const std::string& path, std::string& reason);

// Whether path names a folder, links followed.
bool IsFolder(const std::string& path);

// The paths in the folder at path: folders and links to folders, and the rest. False with the
// reason when the listing fails; what was read until then is kept.
struct FolderEntries {
    std::vector<std::string> folders;
    std::vector<std::string> files;
};
bool ReadFolderEntries(const std::string& path, FolderEntries& entries, std::string& reason);

} // namespace vestra::history
