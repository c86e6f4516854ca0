#include "base/FileFunc.h"

#include <filesystem>
#include <unistd.h>

namespace vestra {

namespace fs = std::filesystem;

bool FileExists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    std::string p = path;
    if (p.back() == kPathSeparator) {
        p.pop_back();
    }
    std::error_code ec;
    // Opening a folder for reading succeeds on POSIX systems, so ask first.
    if (p.empty() || fs::is_directory(p, ec)) {
        return false;
    }
    // Asked without opening: opening a FIFO would wait for a writer.
    return ::access(p.c_str(), R_OK) == 0;
}

void RemoveFile(const std::string& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

} // namespace vestra
