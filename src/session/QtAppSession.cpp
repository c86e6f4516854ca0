#include "session/QtAppSession.h"

#include "data/WindowPlacement.h"
#include "files/QtFileDialogs.h"
#include "shell/IniFile.h"

namespace vestra {

AppSession::AppSession(std::string file, Settings initial, MessageSink& sink)
    : settingsFile(std::move(file)),
      settings(std::move(initial)), windowSettings{settings.PortNumber, settings.AskModelType,
                                                   ReadWindowPlacement(
                                                       IniFile::Load(settingsFile))},
      print{settings.PrintDataOption, settings.PrintGroupOption, {}}, messages(sink) {
    window_ = std::make_unique<frmMain>(store, settings.CurrentUnit, windowSettings, messages);
    fileDialogs = std::make_unique<QtFileDialogs>(window_.get());
    printSystem = std::make_unique<QtPrintSystem>();
}

AppSession::~AppSession() = default;

PrintDestination& AppSession::destination() {
    if (!destination_) {
        destination_ = InitialDestination(*printSystem);
    }
    return *destination_;
}

bool AppSession::saveSettings() {
    settings.PortNumber = static_cast<std::int16_t>(windowSettings.portNumber);
    settings.AskModelType = windowSettings.askModelType;
    settings.PrintDataOption = print.PrintDataOption;
    settings.PrintGroupOption = print.PrintGroupOption;
    if (!SaveSettings(settingsFile, settings)) {
        return false;
    }
    if (!windowSettings.placement) {
        return true;
    }
    IniFile ini = IniFile::Load(settingsFile);
    WriteWindowPlacement(ini, *windowSettings.placement);
    return ini.save(settingsFile);
}

} // namespace vestra
