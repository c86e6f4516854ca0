#include "history/HistorySources.h"

#include "base/FileFault.h"
#include "base/FileFunc.h"
#include "base/FileRead.h"
#include "base/TemperatureUnit.h"
#include "files/DataFile.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <system_error>

namespace vestra::history {
namespace {

namespace fs = std::filesystem;

bool isDataFileName(const fs::path& path) {
    std::string extension = LowerCaseAscii(path.extension().string());
    return extension == ".qmc" || extension == ".qmf";
}

// A folder as the system knows it, whatever path led there.
struct FolderId {
    dev_t device;
    ino_t inode;
    auto operator<=>(const FolderId&) const = default;
};

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
void walk(const fs::path& folder, FolderWalk& state) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        state.list.unreadable.emplace_back(folder.string(), FileFaultText(errno));
        return;
    }
    FolderId id{info.st_dev, info.st_ino};
    if (std::find(state.inside.begin(), state.inside.end(), id) != state.inside.end()) {
        state.list.unreadable.emplace_back(folder.string(), kFolderLoop);
        return;
    }
    if (!state.visited.insert(id).second) {
        return;
    }
    std::error_code error;
    std::vector<fs::path> subfolders;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code typeError; // a broken link is no folder; as a data file it is named later
        if (it->is_directory(typeError)) {
            subfolders.push_back(it->path());
        } else if (isDataFileName(it->path())) {
            state.found.push_back(it->path().string());
        }
    }
    if (error) {
        state.list.unreadable.emplace_back(folder.string(), FileFaultText(error.value()));
    }
    std::sort(subfolders.begin(), subfolders.end());
    state.inside.push_back(id);
    for (const fs::path& subfolder : subfolders) {
        walk(subfolder, state);
    }
    state.inside.pop_back();
}

void collectFolder(const fs::path& folder, SourceList& list) {
    FolderWalk state{{}, {}, {}, list};
    walk(folder, state);
    std::sort(state.found.begin(), state.found.end());
    list.files.insert(list.files.end(), state.found.begin(), state.found.end());
}

} // namespace

bool ReadSourceFile(const std::string& path, SourceFile& source, std::string& reason) {
    FileContents contents;
    if (!ReadRegularFile(path, kMaxDataFileBytes, contents, reason)) {
        return false;
    }
    if (!DecodeSourceBytes(contents.bytes, source, reason)) {
        return false;
    }
    std::error_code ignored; // a relative name is still better than none
    fs::path absolute = fs::absolute(path, ignored);
    source.path = absolute.empty() ? path : absolute.lexically_normal().string();
    return true;
}

bool DecodeSourceBytes(std::string_view bytes, SourceFile& source, std::string& reason) {
    for (TemperatureUnit unit : kTemperatureUnits) {
        if (auto data = DecodeDataFile(bytes, unit)) {
            source = {std::string(), std::move(*data), unit};
            return true;
        }
    }
    reason = kNotDataFile;
    return false;
}

SourceList CollectSourceFiles(const std::vector<std::string>& names) {
    SourceList list;
    for (const std::string& name : names) {
        std::error_code error;
        if (fs::is_directory(name, error)) {
            collectFolder(name, list);
        } else {
            list.files.push_back(name);
        }
    }
    return list;
}

} // namespace vestra::history
