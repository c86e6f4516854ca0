#include "window/WindowTitle.h"

#include "base/AppInfo.h"

namespace vestra {

std::string MainWindowTitle(const std::string& fileName, bool modified) {
    std::string title = kAppTitle;
    if (!fileName.empty()) {
        title += " - " + fileName;
    }
    if (modified) {
        title += "*";
    }
    return title;
}

} // namespace vestra
