#include "base/InstallLayout.h"

#include "base/FileFunc.h"
#include "base/PathText.h"

#include <algorithm>
#include <filesystem>

#ifndef VESTRA_HELP_FROM_BIN
#error "VESTRA_HELP_FROM_BIN (the help folder relative to the programs' folder) must be defined"
#endif

namespace vestra {
namespace {

// The build tree keeps modules and private programs in its lib/; an installation has them in
// fromBin, relative to its bin/, which is the running program's folder or, for one of the private
// programs (libexec/vestra), the bin/ of the same installation. On Windows all three relative
// folders are the program's own (base/sources.cmake).
std::optional<std::string> PrivateFilePath(const std::string& programPath, std::string_view name,
                                           const char* fromBin) {
    std::filesystem::path program = PathOfText(programPath);
    if (!program.is_absolute()) {
        return std::nullopt; // relative to the current folder, which anybody may have made
    }
    std::string buildTree = VESTRA_BUILD_TREE; // with '/' on every platform, as CMake writes it
    std::string generic = programPath;
    std::replace(generic.begin(), generic.end(), kPathSeparator, '/');
    if (generic.starts_with(buildTree + "/")) {
        return buildTree + "/lib/" + std::string(name);
    }
    std::filesystem::path folder = program.parent_path();
    std::filesystem::path bin = (folder / VESTRA_BIN_FROM_PROGRAMS).lexically_normal();
    if ((bin / VESTRA_PROGRAMS_FROM_BIN).lexically_normal() != folder.lexically_normal()) {
        bin = folder;
    }
    return TextOfPath((bin / fromBin / PathOfText(name)).lexically_normal());
}

} // namespace

std::string HelpDocumentPath(const std::string& programFolder) {
    std::string beside = programFolder + kPathSeparator + "help" + kPathSeparator + "index.html";
    if (FileExists(beside)) {
        return beside;
    }
    return programFolder + kPathSeparator + VESTRA_HELP_FROM_BIN + kPathSeparator + "index.html";
}

std::optional<std::string> ModulePath(const std::string& programPath, std::string_view module) {
    return PrivateFilePath(programPath, module, VESTRA_MODULES_FROM_BIN);
}

std::optional<std::string> PrivateProgramPath(const std::string& programPath,
                                              std::string_view program) {
    return PrivateFilePath(programPath, program, VESTRA_PROGRAMS_FROM_BIN);
}

} // namespace vestra
