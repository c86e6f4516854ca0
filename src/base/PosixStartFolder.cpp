#include "base/FileFunc.h"
#include "base/StartFolder.h"

#include <cstdlib>
#include <unistd.h>

namespace vestra {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

} // namespace

StartFolders CurrentStartFolders() {
    std::string home = environment("HOME");
    std::string configHome = environment("XDG_CONFIG_HOME");
    std::string program = ProgramFolder();
    return {program, ::access(program.c_str(), W_OK) == 0,
            DocumentsFolder(configHome.empty() ? home + "/.config" : configHome, home)};
}

} // namespace vestra
