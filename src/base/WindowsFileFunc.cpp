#include "base/FileFunc.h"
#include "base/WindowsText.h"

#include <windows.h>

namespace vestra {

bool FileExists(const std::string& path) {
    std::string p = path;
    if (!p.empty() && kPathSeparators.find(p.back()) != std::string_view::npos) {
        p.pop_back();
    }
    std::wstring wide = WidePath(p);
    DWORD attributes = wide.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    // Whether it may be read is known only by opening it. A device's name (NUL) is no file.
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool disk = GetFileType(file) == FILE_TYPE_DISK;
    CloseHandle(file);
    return disk;
}

void RemoveFile(const std::string& path) {
    std::wstring wide = WidePath(path);
    if (!wide.empty()) {
        DeleteFileW(wide.c_str());
    }
}

} // namespace vestra
