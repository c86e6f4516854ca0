#include "base/ProgramVersion.h"

#include "base/AppInfo.h"

namespace vestra {

std::string VersionLine(std::string_view program) {
    return std::string(program) + ' ' + kVersionText;
}

} // namespace vestra
