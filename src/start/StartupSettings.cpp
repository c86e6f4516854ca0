#include "start/StartupSettings.h"

#include "shell/FileFunc.h"

#include <filesystem>

namespace vestra {

Settings PrepareSettings(const std::string& settingsFile) {
    Settings settings;
    if (FileExists(settingsFile)) {
        LoadSettings(settingsFile, settings);
        return settings;
    }
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(settingsFile).parent_path(), ignored);
    WriteDefaultSettingsFile(settingsFile);
    return settings;
}

} // namespace vestra
