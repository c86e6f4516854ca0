#include "files/OutputPlace.h"

#include "base/AsciiText.h"
#include "base/VisibleText.h"

#include <algorithm>
#include <filesystem>

namespace vestra {

OutputPlace::OutputPlace(std::string fallbackFolder) : fallback_(std::move(fallbackFolder)) {}

std::string OutputPlace::startFolder() const {
    std::error_code error;
    if (!lastFolder_.empty() && std::filesystem::is_directory(lastFolder_, error)) {
        return lastFolder_;
    }
    return fallback_;
}

void OutputPlace::written(const std::string& path) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) {
        lastFolder_ = (folder / "").string();
    }
    if (onWritten) {
        onWritten(path);
    }
}

std::string SuggestedFileName(std::string text) {
    text = std::string(ascii::TrimBlanks(text));
    std::replace(text.begin(), text.end(), '/', '_');
    std::replace(text.begin(), text.end(), '\0', '_');
    return text == "." || text == ".." ? std::string() : text;
}

std::string WrittenNote(const std::string& path) {
    return "保存しました: " + VisibleText(std::filesystem::path(path).filename().string());
}

} // namespace vestra
