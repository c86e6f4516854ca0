#include "base/FileFault.h"
#include "history/FolderReading.h"

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace vestra::history {

namespace fs = std::filesystem;

std::optional<FolderId> IdentifyFolder(const std::string& path, std::string& reason) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        reason = FileFaultText(errno);
        return std::nullopt;
    }
    return FolderId{static_cast<std::uint64_t>(info.st_dev),
                    static_cast<std::uint64_t>(info.st_ino)};
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool ReadFolderEntries(const std::string& path, FolderEntries& entries, std::string& reason) {
    std::error_code error;
    fs::directory_iterator it(path, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code typeError; // a broken link is no folder; as a data file it is named later
        (it->is_directory(typeError) ? entries.folders : entries.files)
            .push_back(it->path().string());
    }
    if (error) {
        reason = FileFaultText(error.value());
        return false;
    }
    return true;
}

} // namespace vestra::history
