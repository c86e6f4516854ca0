#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vestra::history {

// The files named: a file stands for itself, a folder for the native data files (.qmc, .qmf,
// any case) anywhere below it, linked folders included, in name order, so that adding a folder
// of old rounds is one command. A folder that cannot be listed, and a link that leads back up
// into the walk, are named in unreadable with the reason; the rest of the walk goes on. A folder
// reached by several links is walked once.
struct SourceList {
    std::vector<std::string> files;
    std::vector<std::pair<std::string, std::string>> unreadable;
};
SourceList CollectSourceFiles(const std::vector<std::string>& names);

} // namespace vestra::history
