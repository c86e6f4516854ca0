#include "base/WindowsFault.h"

#include "base/FileFault.h"
#include "base/WindowsText.h"

#include <cerrno>
#include <windows.h>

namespace vestra {
namespace {

// The error number of the C library that names the same fault; 0 for none.
int errorNumber(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_MOD_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return EACCES;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_CANT_RESOLVE_FILENAME: // too many reparse points in a row
        return ELOOP;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    default:
        return 0;
    }
}

} // namespace

std::string WindowsFaultText(unsigned long error) {
    if (int number = errorNumber(error)) {
        return FileFaultText(number);
    }
    wchar_t* message = nullptr;
    DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::wstring text(message != nullptr ? message : L"", length);
    LocalFree(message);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    std::string number = "Windows エラー " + std::to_string(error);
    return text.empty() ? number : Utf8Text(text) + " (" + number + ")";
}

} // namespace vestra
