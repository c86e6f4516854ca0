#pragma once

#include "shell/Settings.h"

#include <string>

namespace vestra {

// The settings a run starts with. When the settings file exists they are read from it;
// otherwise (the first run) its folders are created and the default file is written, and the
// defaults are used. Nothing here fails the start: a folder or file that cannot be made only
// means the defaults again, and the settings are written at exit if the folder exists by then.
Settings PrepareSettings(const std::string& settingsFile);

} // namespace vestra
