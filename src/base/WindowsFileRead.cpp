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
Expected<void> isRegular(const std::wstring& path) {
    PathLook look = LookAtPath(path);
    switch (look.kind) {
    case PathKind::RegularFile:
    case PathKind::ReparsePoint: // a link to a file is read as the file; what opens is checked
        return {};
    case PathKind::Missing:
    case PathKind::Unreadable:
        return unexpected(Error{WindowsFaultText(look.error)});
    case PathKind::Folder:
        return unexpected(Error{FileFaultText(EISDIR)});
    case PathKind::Device:
        break;
    }
    return unexpected(Error{kNotRegularFile});
}

} // namespace

Expected<FileContents> ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    std::wstring wide = WidePath(path);
    if (Expected<void> regular = isRegular(wide); !regular) {
        return unexpected(regular.error());
    }
    // Others may read beside us; a writer still at work makes the open fail as busy.
    FileHandle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        return unexpected(Error{WindowsFaultText(GetLastError())});
    }
    // The name may have been swapped for something else since it was looked at.
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file.get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(file.get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return unexpected(Error{kNotRegularFile});
    }
    std::array<char, kPieceBytes> piece;
    FileContents contents;
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(file.get(), piece.data(), static_cast<DWORD>(piece.size()), &n, nullptr)) {
            return unexpected(Error{WindowsFaultText(GetLastError())});
        }
        if (n == 0 || !TakePiece(contents, std::string_view(piece.data(), n), maxBytes)) {
            return contents;
        }
    }
}

// Standard input is read as bytes: text mode would drop the CR of each line and end at a ^Z.
Expected<FileContents> ReadDescriptor(int fd, std::size_t maxBytes) {
    _setmode(fd, _O_BINARY);
    std::array<char, kPieceBytes> piece;
    FileContents contents;
    for (;;) {
        int n = _read(fd, piece.data(), static_cast<unsigned>(piece.size()));
        if (n < 0) {
            return unexpected(Error{FileFaultText(errno)});
        }
        if (n == 0 ||
            !TakePiece(contents, std::string_view(piece.data(), static_cast<std::size_t>(n)),
                       maxBytes)) {
            return contents;
        }
    }
}

} // namespace vestra
