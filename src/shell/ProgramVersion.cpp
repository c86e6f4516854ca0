#include "shell/ProgramVersion.h"

#include "shell/AppInfo.h"

namespace vestra {

std::string VersionLine(std::string_view program) {
    return std::string(program) + ' ' + std::to_string(kVersionMajor) + '.' +
           std::to_string(kVersionMinor) + '.' + std::to_string(kVersionRevision);
}

} // namespace vestra
