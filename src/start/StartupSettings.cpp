#include "start/StartupSettings.h"

#include "base/FileFunc.h"
#include "base/Settings.h"

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
