#include "base/InstallLayout.h"
#include "base/WindowsText.h"

#include <algorithm>
#include <windows.h>

namespace vestra {

// GetModuleFileNameW cuts the path at the buffer's end and says so only by filling it: the
// buffer grows until the path fits, up to the longest path the system has (32,767 characters).
std::string RunningProgram() {
    constexpr DWORD kLongestPath = 32'768;
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return Utf8Path(path);
        }
        if (path.size() >= kLongestPath) {
            return {};
        }
        path.resize(std::min<std::size_t>(path.size() * 2, kLongestPath));
    }
}

std::string NotFoundWithoutProgramPlace(std::string_view name) {
    return std::string(name) +
           " が見つかりません: 実行中のプログラムの場所 (GetModuleFileNameW) がわかりません";
}

} // namespace vestra
