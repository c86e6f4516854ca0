#pragma once

#include "data/DataSet.h"

#include <string>

namespace vestra {

// The fields of one group as the thermometer takes them after "SET ": group "01" to "15",
// tag without surrounding blanks, emissivity "#0.00", limits as whole numbers, single blanks
// between them; for example "03 GROUP03 0.95 500 -40".
std::string FormatSettingsFields(int group, const GroupSetting& row);

} // namespace vestra
