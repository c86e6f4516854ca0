#include "base/FileFunc.h"

#include "base/InstallLayout.h"
#include "base/PathText.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace vestra {

std::string FolderOf(const std::string& path) {
    if (!FileExists(path)) {
        return ProgramFolder();
    }
    std::size_t last = path.find_last_of(kPathSeparators);
    return last == std::string::npos ? path : path.substr(0, last + 1);
}

std::string FileNameOf(const std::string& path) {
    std::size_t last = path.find_last_of(kPathSeparators);
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

// The folder of the program's own path (base/InstallLayout); the current folder only when the
// system cannot tell it.
std::string ProgramFolder() {
    std::string program = RunningProgram();
    std::error_code ec;
    std::filesystem::path folder =
        program.empty() ? std::filesystem::current_path(ec) : PathOfText(program).parent_path();
    return TextOfPath(folder);
}

} // namespace vestra
