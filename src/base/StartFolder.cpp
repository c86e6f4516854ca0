#include "base/StartFolder.h"

#include "base/FileFunc.h"
#include "base/PathText.h"

#include <filesystem>
#include <fstream>
#include <optional>

namespace vestra {
namespace {

namespace fs = std::filesystem;

bool isFolder(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(PathOfText(path), ec);
}

// The value of a line XDG_DOCUMENTS_DIR="$HOME/Documents", with $HOME put in. The file is
// written by xdg-user-dirs-update; it allows only these two forms of value.
std::optional<std::string> documentsEntry(const std::string& line, const std::string& home) {
    const std::string key = "XDG_DOCUMENTS_DIR=\"";
    if (line.rfind(key, 0) != 0 || line.back() != '"') {
        return std::nullopt;
    }
    std::string value = line.substr(key.size(), line.size() - key.size() - 1);
    const std::string homeVariable = "$HOME";
    if (value.rfind(homeVariable, 0) == 0) {
        return home + value.substr(homeVariable.size());
    }
    return value.rfind('/', 0) == 0 ? std::optional(value) : std::nullopt;
}

std::string folderOfPath(const std::string& path) {
    std::size_t last = path.rfind(kPathSeparator);
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

} // namespace

std::string DocumentsFolder(const std::string& configHome, const std::string& home) {
    std::ifstream dirs(configHome + "/user-dirs.dirs");
    std::string line;
    while (std::getline(dirs, line)) {
        std::optional<std::string> entry = documentsEntry(line, home);
        if (entry && isFolder(*entry)) {
            return *entry;
        }
    }
    std::string documents = home + "/Documents";
    return isFolder(documents) ? documents : home;
}

std::string DialogStartFolder(const std::string& currentFilePath, const StartFolders& folders) {
    if (FileExists(currentFilePath)) {
        return FolderOf(currentFilePath);
    }
    if (folders.programWritable) {
        return folders.program;
    }
    std::string lastFolder = folderOfPath(currentFilePath);
    return isFolder(lastFolder) ? lastFolder : folders.documents;
}

} // namespace vestra
