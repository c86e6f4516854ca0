#include "base/WindowsFileFault.h"
#include "base/WindowsText.h"
#include "history/FolderReading.h"

#include <windows.h>

namespace vestra::history {

// The handle is opened for its attributes only and with every sharing mode, so a folder another
// program holds open is still known; FILE_FLAG_BACKUP_SEMANTICS is what opens a folder at all.
// Without FILE_FLAG_OPEN_REPARSE_POINT the system follows a symbolic link or junction, so every
// path to one folder gives the same identity.
std::optional<FolderId> IdentifyFolder(const std::string& path, std::string& reason) {
    HANDLE folder = CreateFileW(WidePath(path).c_str(), FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) {
        reason = WindowsFaultText(GetLastError());
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    bool known = GetFileInformationByHandle(folder, &info) != 0;
    DWORD error = GetLastError();
    CloseHandle(folder);
    if (!known) {
        reason = WindowsFaultText(error);
        return std::nullopt;
    }
    return FolderId{info.dwVolumeSerialNumber,
                    (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A link to a folder and a junction carry the folder attribute; the walk follows them as folders.
bool ReadFolderEntries(const std::string& path, FolderEntries& entries, std::string& reason) {
    std::string prefix = path.ends_with('\\') || path.ends_with('/') ? path : path + "\\";
    WIN32_FIND_DATAW entry{};
    HANDLE search = FindFirstFileExW(WidePath(prefix + "*").c_str(), FindExInfoBasic, &entry,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) { // a drive's empty root has not even "." and ".."
            return true;
        }
        reason = WindowsFaultText(error);
        return false;
    }
    do {
        std::wstring_view name = entry.cFileName;
        if (name == L"." || name == L"..") {
            continue;
        }
        bool folder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        (folder ? entries.folders : entries.files).push_back(prefix + Utf8Path(name));
    } while (FindNextFileW(search, &entry));
    DWORD error = GetLastError();
    FindClose(search);
    if (error != ERROR_NO_MORE_FILES) {
        reason = WindowsFaultText(error);
        return false;
    }
    return true;
}

} // namespace vestra::history
