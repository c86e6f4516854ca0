#pragma once

#include "serial/PortSurvey.h"

#include <map>
#include <string>

namespace vestra {

// What `vestra-cli ports --json` prints: the 16 port numbers with their devices, and every
// serial port found, as in docs/json-schema.md. Text goes out as it is: JSON escapes control
// characters itself.
std::string PortListingJson(const std::map<int, std::string>& portMap, const PortSurvey& survey);

} // namespace vestra
