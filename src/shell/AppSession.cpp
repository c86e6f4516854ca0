#include "shell/AppSession.h"

#include "files/QtFileDialogs.h"

#include <QPrinter>

namespace vestra {

AppSession::AppSession(std::string file, Settings initial, MessageSink& sink)
    : settingsFile(std::move(file)),
      settings(std::move(initial)), windowSettings{settings.PortNumber, settings.AskModelType},
      print{settings.PrintDataOption, settings.PrintGroupOption, {}}, messages(sink) {
    window_ = std::make_unique<frmMain>(store, settings.CurrentUnit, windowSettings, messages);
    fileDialogs = std::make_unique<QtFileDialogs>(window_.get());
}

AppSession::~AppSession() = default;

QPrinter& AppSession::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>();
    }
    return *printer_;
}

bool AppSession::saveSettings() {
    settings.PortNumber = static_cast<std::int16_t>(windowSettings.portNumber);
    settings.AskModelType = windowSettings.askModelType;
    settings.PrintDataOption = print.PrintDataOption;
    settings.PrintGroupOption = print.PrintGroupOption;
    return SaveSettings(settingsFile, settings);
}

} // namespace vestra
