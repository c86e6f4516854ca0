#pragma once

#include "serial/PortSurvey.h"

#include <string>

namespace vestra {

// Where Linux shows its ports; tests lay out their own.
struct SystemFolders {
    std::string byId = "/dev/serial/by-id";
    std::string ttyClass = "/sys/class/tty";
};

PortSurvey SurveyPorts(const SystemFolders& folders);

} // namespace vestra
