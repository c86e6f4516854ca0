#include "shell/AppCommands.h"
#include "shell/AppSession.h"
#include "shell/QtMessageSink.h"
#include "shell/Settings.h"
#include "shell/SingleInstance.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vestra::QtMessageSink messages;
    std::string settingsFile = vestra::SettingsFilePath();
    vestra::SingleInstance instance(QString::fromStdString(settingsFile));
    std::optional<vestra::Settings> settings =
        vestra::StartUp(settingsFile, instance.acquired(), messages);
    if (!settings) {
        return 0;
    }
    vestra::AppSession session(settingsFile, *settings, messages);
    vestra::ConnectAllCommands(session);
    session.window().show();
    int status = QApplication::exec();
    // The main window closes only after its question about unsaved data has been answered Yes
    // or was not needed; only such a run writes the settings.
    session.saveSettings();
    return status;
}
