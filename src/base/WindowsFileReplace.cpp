#include "base/FileFunc.h"
#include "base/FileReplace.h"
#include "base/OutputPath.h"
#include "base/TemporaryFile.h"
#include "base/WindowsFileFault.h"
#include "base/WindowsText.h"

#include <algorithm>
#include <windows.h>

namespace vestra {
namespace {

// Names are tried until one is free; a folder full of our names is not worth more tries.
constexpr int kNameAttempts = 100;
// WriteFile takes a DWORD count; one call is kept well below it.
constexpr std::size_t kMaxWrite = 1u << 30;

// The temporary, named from the start (Windows has no unnamed file), closed and removed unless
// it was kept. Not shared while it is written, so nobody reads a half-written file.
class WindowsTemporary {
public:
    ~WindowsTemporary() {
        close();
        if (!path_.empty()) {
            DeleteFileW(path_.c_str());
        }
    }

    bool create(const std::string& folder) {
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            std::wstring name =
                WidePath(folder + kPathSeparator +
                         NewTemporaryName(static_cast<long>(GetCurrentProcessId())));
            handle_ = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle_ != INVALID_HANDLE_VALUE) {
                path_ = name;
                return true;
            }
            if (GetLastError() != ERROR_FILE_EXISTS) {
                return false;
            }
        }
        return false;
    }

    // Every byte written and flushed to disk, then closed; GetLastError tells the first failure.
    bool fill(std::string_view bytes) {
        while (!bytes.empty()) {
            DWORD written = 0;
            DWORD size = static_cast<DWORD>(std::min(bytes.size(), kMaxWrite));
            if (!WriteFile(handle_, bytes.data(), size, &written, nullptr)) {
                return false;
            }
            if (written == 0) {
                SetLastError(ERROR_DISK_FULL);
                return false;
            }
            bytes.remove_prefix(written);
        }
        return FlushFileBuffers(handle_) && close();
    }

    bool close() {
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle == INVALID_HANDLE_VALUE || CloseHandle(handle);
    }

    const std::wstring& path() const { return path_; }
    void keep() { path_.clear(); }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    std::wstring path_;
};

// ReplaceFileW keeps the old file's attributes, ACL and creation time; a new name is moved into
// place, its entry written through to disk before the call returns.
bool takeName(const std::wstring& temporary, const std::wstring& target) {
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                            REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    }
    return MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

} // namespace

Expected<void> ReplaceWithBytes(const std::string& target, std::string_view bytes) {
    WindowsTemporary temp;
    if (!temp.create(ContainingFolder(target)) || !temp.fill(bytes) ||
        !takeName(temp.path(), WidePath(target))) {
        return unexpected(Error{WindowsFaultText(GetLastError())});
    }
    temp.keep();
    return {};
}

} // namespace vestra
