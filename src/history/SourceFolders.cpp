#include "history/SourceFolders.h"

#include "base/FileFunc.h"
#include "base/PathText.h"
#include "history/FolderReading.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <set>

namespace vestra::history {
namespace {

bool isDataFileName(const std::string& path) {
    std::string extension = LowerCaseAscii(TextOfPath(PathOfText(path).extension()));
    return extension == ".qmc" || extension == ".qmf";
}

constexpr const char* kFolderLoop = "上のフォルダへ戻るリンクです (ループ)";

struct FolderWalk {
    std::vector<FolderId> inside; // the folders the walk is in, outermost first
    // Every folder walked: folders that link to each other would otherwise be walked once per
    // path, twice as often at every level.
    std::set<FolderId> visited;
    std::vector<std::string> found;
    SourceList& list;
};

// Walks one folder and the folders below it, links to folders included. A folder that cannot
// be listed, and a link back to a folder the walk is inside of, are named once and skipped; a
// folder already walked by another path is skipped quietly. The walk goes on with the rest.
void walk(const std::string& folder, FolderWalk& state) {
    std::string reason;
    std::optional<FolderId> id = IdentifyFolder(folder, reason);
    if (!id) {
        state.list.unreadable.emplace_back(folder, reason);
        return;
    }
    if (std::find(state.inside.begin(), state.inside.end(), *id) != state.inside.end()) {
        state.list.unreadable.emplace_back(folder, kFolderLoop);
        return;
    }
    if (!state.visited.insert(*id).second) {
        return;
    }
    FolderEntries entries;
    if (!ReadFolderEntries(folder, entries, reason)) {
        state.list.unreadable.emplace_back(folder, reason);
    }
    std::copy_if(entries.files.begin(), entries.files.end(), std::back_inserter(state.found),
                 isDataFileName);
    std::sort(entries.folders.begin(), entries.folders.end());
    state.inside.push_back(*id);
    for (const std::string& subfolder : entries.folders) {
        walk(subfolder, state);
    }
    state.inside.pop_back();
}

void collectFolder(const std::string& folder, SourceList& list) {
    FolderWalk state{{}, {}, {}, list};
    walk(folder, state);
    std::sort(state.found.begin(), state.found.end());
    list.files.insert(list.files.end(), state.found.begin(), state.found.end());
}

} // namespace

SourceList CollectSourceFiles(const std::vector<std::string>& names) {
    SourceList list;
    for (const std::string& name : names) {
        if (IsFolder(name)) {
            collectFolder(name, list);
        } else {
            list.files.push_back(name);
        }
    }
    return list;
}

} // namespace vestra::history
