#include "start/StartupSettings.h"

#include "shell/FileFunc.h"
#include "shell/Settings.h"

#include <filesystem>

namespace vestra {

SettingsDocument PrepareSettings(const std::string& settingsFile) {
    if (FileExists(settingsFile)) {
        return SettingsDocument::Load(settingsFile);
    }
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(settingsFile).parent_path(), ignored);
    WriteDefaultSettingsFile(settingsFile);
    return SettingsDocument::Written(settingsFile, DefaultSettingsText());
}

} // namespace vestra
