#include "shell/InstallLayout.h"

#include "shell/FileFunc.h"

#ifndef VESTRA_HELP_FROM_BIN
#error "VESTRA_HELP_FROM_BIN (the help folder relative to the programs' folder) must be defined"
#endif

namespace vestra {

std::string HelpDocumentPath(const std::string& programFolder) {
    std::string beside = programFolder + "/help/index.html";
    if (FileExists(beside)) {
        return beside;
    }
    return programFolder + "/" + VESTRA_HELP_FROM_BIN + "/index.html";
}

} // namespace vestra
