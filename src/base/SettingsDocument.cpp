#include "base/SettingsDocument.h"

namespace vestra {

SettingsDocument SettingsDocument::Load(std::string path) {
    std::optional<IniFile> read = IniFile::LoadForRewrite(path);
    bool writable = read.has_value();
    return SettingsDocument(std::move(path), std::move(read).value_or(IniFile{}), writable);
}

SettingsDocument SettingsDocument::Written(std::string path, std::string_view cp932) {
    return SettingsDocument(std::move(path), IniFile::Parse(cp932), true);
}

bool SettingsDocument::save() const {
    return writable_ && ini_.save(path_);
}

} // namespace vestra
