#include "session/QtAppSession.h"

#include "base/StartFolder.h"
#include "files/QtFileDialogs.h"
#include "window/WindowPlacement.h"

namespace vestra {

QtAppSession::QtAppSession(SettingsDocument document, Settings initial, MessageSink& sink)
    : settingsDocument(std::move(document)),
      settings(std::move(initial)), windowSettings{settings.PortNumber, settings.AskModelType,
                                                   ReadWindowPlacement(settingsDocument.ini())},
      print{settings.PrintDataOption, settings.PrintGroupOption, {}}, messages(sink),
      outputs(CurrentStartFolders().documents) {
    window_ = std::make_unique<frmMain>(store, settings.CurrentUnit, windowSettings, messages);
    fileDialogs = std::make_unique<QtFileDialogs>(window_.get());
    printSystem = std::make_unique<QtPrintSystem>();
}

QtAppSession::~QtAppSession() = default;

QtPrintDestination& QtAppSession::destination() {
    if (!destination_) {
        destination_ = InitialDestination(*printSystem);
    }
    return *destination_;
}

bool QtAppSession::saveSettings() {
    settings.PortNumber = static_cast<std::int16_t>(windowSettings.portNumber);
    settings.AskModelType = windowSettings.askModelType;
    settings.PrintDataOption = print.PrintDataOption;
    settings.PrintGroupOption = print.PrintGroupOption;
    WriteSettings(settingsDocument.ini(), settings);
    if (windowSettings.placement) {
        WriteWindowPlacement(settingsDocument.ini(), *windowSettings.placement);
    }
    return settingsDocument.save();
}

} // namespace vestra
