#include "base/SettingsDocument.h"

#include "base/FileFault.h"

namespace vestra {

SettingsDocument SettingsDocument::Load(std::string path) {
    std::string reason;
    std::optional<IniFile> read = IniFile::LoadForRewrite(path, reason);
    bool writable = read.has_value();
    SettingsDocument document(path, std::move(read).value_or(IniFile{}), writable);
    if (!writable) {
        document.fault_ = FileFaultLine(path, reason);
    }
    return document;
}

SettingsDocument SettingsDocument::Written(std::string path, std::string_view cp932) {
    return SettingsDocument(std::move(path), IniFile::Parse(cp932), true);
}

bool SettingsDocument::save() const {
    return writable_ && ini_.save(path_);
}

void ShowSettingsNotRead(MessageSink& messages, const SettingsDocument& document) {
    if (!document.fault().empty()) {
        messages.showDetailedMessage(
            "設定ﾌｧｲﾙを読み込めません。\r\n既定の設定で続け、このﾌｧｲﾙは変更しません。",
            MessageIcon::Exclamation, document.fault());
    }
}

} // namespace vestra
