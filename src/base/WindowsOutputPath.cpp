#include "base/FileFault.h"
#include "base/FileFunc.h"
#include "base/OutputPath.h"
#include "base/TemporaryFile.h"
#include "base/WindowsFileFault.h"
#include "base/WindowsPathKind.h"
#include "base/WindowsText.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace vestra {
namespace {

// Refused with the reason: what a write must not land on.
Expected<void> refusedKind(const PathLook& look) {
    switch (look.kind) {
    case PathKind::Missing:
    case PathKind::RegularFile:
        return {};
    case PathKind::Folder:
        return unexpected(Error{FileFaultText(EISDIR)});
    case PathKind::ReparsePoint:
        return unexpected(Error{kReparsePoint});
    case PathKind::Device:
        break;
    case PathKind::Unreadable:
        return unexpected(Error{WindowsFaultText(look.error)});
    }
    return unexpected(Error{kNotRegularFile});
}

// What was opened, looked at again: the name may have been swapped since it was looked at.
bool openedRegularFile(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
           (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

} // namespace

// A drive's or the root's folder keeps its separator: "C:" alone is the drive's current folder.
std::string ContainingFolder(const std::string& path) {
    std::size_t slash = path.find_last_of(kPathSeparators);
    if (slash == std::string::npos) {
        return ".";
    }
    bool root = slash == 0 || (slash == 2 && path[1] == ':');
    return path.substr(0, root ? slash + 1 : slash);
}

// No link is followed: a symbolic link or junction at the name is refused (kReparsePoint). Windows
// has no counterpart of the sticky folder by which a planted link could be told from the user's
// own, links need a privilege to make, and replacing one would replace the link, not its target.
Expected<std::string> ResolveOutputPath(const std::string& path) {
    Expected<void> refused = refusedKind(LookAtPath(WidePath(path)));
    if (!refused) {
        return unexpected(refused.error());
    }
    return path;
}

// The file's ACL decides who may write it; Windows has no shared sticky folder whose rule
// (fs.protected_regular) would have to be kept here.
Expected<int> OpenOutputFile(const std::string& path) {
    Expected<std::string> target = ResolveOutputPath(path);
    if (!target) {
        return unexpected(target.error());
    }
    // FILE_FLAG_OPEN_REPARSE_POINT opens a link swapped in meanwhile as itself, to be refused.
    HANDLE file =
        CreateFileW(WidePath(*target).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return unexpected(Error{WindowsFaultText(GetLastError())});
    }
    std::string reason;
    if (!openedRegularFile(file)) {
        reason = kNotRegularFile;
    } else if (!SetEndOfFile(file)) {
        reason = WindowsFaultText(GetLastError());
    } else {
        // Binary: the bytes written are the bytes in the file, no CR added.
        int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
        if (fd >= 0) {
            return fd;
        }
        reason = FileFaultText(errno);
    }
    CloseHandle(file);
    return unexpected(Error{reason});
}

// Whether the temporary can be made is told best by making one, removed again at once.
Expected<void> CheckOutputPlace(const std::string& path) {
    Expected<std::string> target = ResolveOutputPath(path);
    if (!target) {
        return unexpected(target.error());
    }
    std::string trial = ContainingFolder(*target) + kPathSeparator +
                        NewTemporaryName(static_cast<long>(GetCurrentProcessId()));
    HANDLE file = CreateFileW(WidePath(trial).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return unexpected(Error{WindowsFaultText(GetLastError())});
    }
    CloseHandle(file);
    return {};
}

} // namespace vestra
