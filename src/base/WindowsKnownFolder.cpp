#include "base/WindowsKnownFolder.h"

#include "base/WindowsText.h"

#include <filesystem>

namespace vestra {

std::optional<std::string> KnownFolderPath(REFKNOWNFOLDERID folder) {
    PWSTR path = nullptr;
    HRESULT result = SHGetKnownFolderPath(folder, KF_FLAG_DEFAULT, nullptr, &path);
    std::wstring found = SUCCEEDED(result) && path != nullptr ? path : L"";
    CoTaskMemFree(path); // owed even when the call fails
    if (!std::filesystem::path(found).is_absolute()) {
        return std::nullopt;
    }
    return Utf8Path(found);
}

} // namespace vestra
