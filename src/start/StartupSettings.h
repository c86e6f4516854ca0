#pragma once

#include "base/SettingsDocument.h"

#include <string>

namespace vestra {

// The settings file a run starts with, read once. When it does not exist (the first run) its
// folders are created and the default file is written, and the run starts from that. Nothing
// here fails the start: a folder or file that cannot be made only means the defaults again, and
// the settings are written at exit if the folder exists by then.
SettingsDocument PrepareSettings(const std::string& settingsFile);

} // namespace vestra
