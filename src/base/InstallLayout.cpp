#include "base/InstallLayout.h"

#include "base/FileFunc.h"

#include <filesystem>

#ifndef VESTRA_HELP_FROM_BIN
#error "VESTRA_HELP_FROM_BIN (the help folder relative to the programs' folder) must be defined"
#endif

namespace vestra {
namespace {

// The build tree keeps modules and private programs in its lib/; an installation has them in
// fromBin, relative to its bin/, which is the running program's folder or, for one of the private
// programs (libexec/vestra), the bin/ of the same installation.
std::optional<std::string> PrivateFilePath(const std::string& programPath, std::string_view name,
                                           const char* fromBin) {
    if (!std::filesystem::path(programPath).is_absolute()) {
        return std::nullopt; // relative to the current folder, which anybody may have made
    }
    std::string buildTree = VESTRA_BUILD_TREE;
    if (programPath.starts_with(buildTree + "/")) {
        return buildTree + "/lib/" + std::string(name);
    }
    std::filesystem::path folder = std::filesystem::path(programPath).parent_path();
    std::filesystem::path bin = (folder / VESTRA_BIN_FROM_PROGRAMS).lexically_normal();
    if ((bin / VESTRA_PROGRAMS_FROM_BIN).lexically_normal() != folder.lexically_normal()) {
        bin = folder;
    }
    return (bin / fromBin / name).lexically_normal().string();
}

} // namespace

std::string HelpDocumentPath(const std::string& programFolder) {
    std::string beside = programFolder + "/help/index.html";
    if (FileExists(beside)) {
        return beside;
    }
    return programFolder + "/" + VESTRA_HELP_FROM_BIN + "/index.html";
}

} // namespace vestra

namespace vestra {

std::string RunningProgram() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

std::optional<std::string> ModulePath(const std::string& programPath, std::string_view module) {
    return PrivateFilePath(programPath, module, VESTRA_MODULES_FROM_BIN);
}

std::optional<std::string> PrivateProgramPath(const std::string& programPath,
                                              std::string_view program) {
    return PrivateFilePath(programPath, program, VESTRA_PROGRAMS_FROM_BIN);
}

std::string NotFoundWithoutProgramPlace(std::string_view name) {
    return std::string(name) +
           " が見つかりません: 実行中のプログラムの場所 (/proc/self/exe) がわかりません";
}

} // namespace vestra
