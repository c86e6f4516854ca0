#include "base/FileFault.h"
#include "base/FileRead.h"
#include "base/WindowsFileFault.h"
#include "base/WindowsPathKind.h"
#include "base/WindowsText.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace vestra {
namespace {

constexpr std::size_t kPieceBytes = 16384;

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// Looked at before opening: opening a serial port would already raise its control lines.
bool isRegular(const std::wstring& path, std::string& reason) {
    PathLook look = LookAtPath(path);
    switch (look.kind) {
    case PathKind::RegularFile:
    case PathKind::ReparsePoint: // a link to a file is read as the file; what opens is checked
        return true;
    case PathKind::Missing:
    case PathKind::Unreadable:
        reason = WindowsFaultText(look.error);
        return false;
    case PathKind::Folder:
        reason = FileFaultText(EISDIR);
        return false;
    case PathKind::Device:
        break;
    }
    reason = kNotRegularFile;
    return false;
}

} // namespace

bool ReadRegularFile(const std::string& path, std::size_t maxBytes, FileContents& contents,
                     std::string& reason) {
    std::wstring wide = WidePath(path);
    if (!isRegular(wide, reason)) {
        return false;
    }
    // Others may read beside us; a writer still at work makes the open fail as busy.
    FileHandle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        reason = WindowsFaultText(GetLastError());
        return false;
    }
    // The name may have been swapped for something else since it was looked at.
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file.get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(file.get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        reason = kNotRegularFile;
        return false;
    }
    std::array<char, kPieceBytes> piece;
    contents.bytes.clear();
    contents.whole = true;
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(file.get(), piece.data(), static_cast<DWORD>(piece.size()), &n, nullptr)) {
            reason = WindowsFaultText(GetLastError());
            return false;
        }
        if (n == 0 || !TakePiece(contents, std::string_view(piece.data(), n), maxBytes)) {
            return true;
        }
    }
}

// Standard input is read as bytes: text mode would drop the CR of each line and end at a ^Z.
bool ReadDescriptor(int fd, std::size_t maxBytes, FileContents& contents, std::string& reason) {
    _setmode(fd, _O_BINARY);
    std::array<char, kPieceBytes> piece;
    contents.bytes.clear();
    contents.whole = true;
    for (;;) {
        int n = _read(fd, piece.data(), static_cast<unsigned>(piece.size()));
        if (n < 0) {
            reason = FileFaultText(errno);
            return false;
        }
        if (n == 0 ||
            !TakePiece(contents, std::string_view(piece.data(), static_cast<std::size_t>(n)),
                       maxBytes)) {
            return true;
        }
    }
}

} // namespace vestra
