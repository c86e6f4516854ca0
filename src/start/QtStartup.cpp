#include "start/QtStartup.h"

#include "start/StartupSettings.h"
#include "start/frmSplash.h"

namespace vestra {

bool RefuseSecondInstance(bool lockAcquired, MessageSink& messages) {
    if (!lockAcquired) {
        messages.showMessage("すでに起動されています。", MessageIcon::Critical);
    }
    return !lockAcquired;
}

void ShowSettingsNotSaved(MessageSink& messages) {
    messages.showMessage("設定ﾌｧｲﾙのﾌｫﾙﾀﾞに書き込めません。\r\nこの実行の設定は保存されません。",
                         MessageIcon::Exclamation);
}

void ShowNoHandOver(const HandOverFault& fault, MessageSink& messages) {
    messages.showMessage(HandOverFaultMessage(fault), MessageIcon::Exclamation);
}

bool SettleModelType(Settings& settings, const std::optional<TemperatureUnit>& fileUnit) {
    frmSplash splash(fileUnit.value_or(settings.CurrentUnit),
                     settings.AskModelType && !fileUnit.has_value());
    if (splash.exec() != QDialog::Accepted) {
        return false;
    }
    settings.CurrentUnit = splash.currentUnit();
    if (!fileUnit) {
        settings.AskModelType = splash.askModelType();
    }
    return true;
}

std::optional<StartedRun> StartUp(const std::string& settingsFile, bool lockAcquired,
                                  MessageSink& messages,
                                  const std::optional<TemperatureUnit>& fileUnit) {
    if (RefuseSecondInstance(lockAcquired, messages)) {
        return std::nullopt;
    }
    SettingsDocument document = PrepareSettings(settingsFile);
    ShowSettingsNotRead(messages, document);
    Settings settings = ReadSettings(document.ini());
    if (!SettleModelType(settings, fileUnit)) {
        return std::nullopt;
    }
    return StartedRun{std::move(document), std::move(settings)};
}

} // namespace vestra
