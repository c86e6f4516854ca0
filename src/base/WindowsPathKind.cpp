#include "base/WindowsPathKind.h"

#include <windows.h>

namespace vestra {
namespace {

bool isDevice(const std::wstring& path) {
    DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) {
        return false;
    }
    std::wstring full(length, L'\0');
    length = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
    full.resize(length);
    return full.starts_with(L"\\\\.\\");
}

} // namespace

PathLook LookAtPath(const std::wstring& path) {
    if (path.empty()) {
        return {PathKind::Missing, ERROR_PATH_NOT_FOUND};
    }
    if (isDevice(path)) {
        return {PathKind::Device};
    }
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        DWORD error = GetLastError();
        bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? PathKind::Missing : PathKind::Unreadable, error};
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return {PathKind::ReparsePoint};
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return {PathKind::Folder};
    }
    return {PathKind::RegularFile};
}

} // namespace vestra
