#include "base/FileFunc.h"

#include "base/InstallLayout.h"
#include "base/PathText.h"

#include <algorithm>
#include <cctype>
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

std::string FolderOf(const std::string& path) {
    if (!FileExists(path)) {
        return ProgramFolder();
    }
    std::size_t last = path.rfind(kPathSeparator);
    return last == std::string::npos ? path : path.substr(0, last + 1);
}

std::string FileNameOf(const std::string& path) {
    std::size_t last = path.rfind(kPathSeparator);
    return last == std::string::npos ? std::string() : path.substr(last + 1);
}

std::string ExtensionOf(const std::string& path) {
    std::size_t dot = path.rfind('.');
    return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

std::string LowerCaseAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

void RemoveFile(const std::string& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

std::string ProgramFolder() {
    std::string program = RunningProgram();
    std::error_code ec;
    fs::path folder = program.empty() ? fs::current_path(ec) : PathOfText(program).parent_path();
    return TextOfPath(folder);
}

} // namespace vestra
