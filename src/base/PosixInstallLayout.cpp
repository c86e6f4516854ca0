#include "base/InstallLayout.h"

#include <filesystem>

namespace vestra {

std::string RunningProgram() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

std::string NotFoundWithoutProgramPlace(std::string_view name) {
    return std::string(name) +
           " が見つかりません: 実行中のプログラムの場所 (/proc/self/exe) がわかりません";
}

} // namespace vestra
