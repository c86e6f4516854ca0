#include "session/AppCommands.h"

#include "chart/QtChartPanel.h"
#include "session/DeviceOperations.h"
#include "files/FileCommandHandler.h"
#include "print/PrintCommand.h"
#include "session/AppSession.h"
#include "shell/HelpWindow.h"
#include "shell/Settings.h"
#include "shell/frmAbout.h"

#include <filesystem>

namespace vestra {

void ConnectFileCommands(AppSession& session) {
    new FileCommandHandler(session.window(), *session.fileDialogs, session.settings.CurrentFilePath,
                           session.messages);
}

void ConnectPrintCommand(AppSession& session) {
    frmMain& window = session.window();
    QObject::connect(&window, &frmMain::printRequested, &window, [&session] {
        PrintPlace place{session.destination(), *session.printSystem, *session.fileDialogs,
                         session.settings.CurrentFilePath};
        RunPrintCommand(&session.window(), session.store, session.settings.CurrentUnit,
                        session.print, place, session.messages);
    });
}

void ConnectHelpCommands(AppSession& session) {
    frmMain& window = session.window();
    QObject::connect(&window, &frmMain::helpRequested, &window,
                     [&window] { OpenHelp(&window, HelpFilePath()); });
    QObject::connect(&window, &frmMain::aboutRequested, &window, [&window] {
        frmAbout about(&window);
        about.exec();
    });
}

void ConnectDeviceCommands(AppSession& session) {
    // New USB adapters get their port numbers here; the settings keep them at exit.
    InstallDeviceOperations(session.window(), session.messages, session.settings.Ports,
                            SurveyPorts());
}

void ConnectChartCommands(AppSession& session) {
    chart::InstallChart(session.window(), *session.fileDialogs, session.settings.CurrentFilePath,
                        session.messages);
}

void ConnectAllCommands(AppSession& session) {
    ConnectFileCommands(session);
    ConnectPrintCommand(session);
    ConnectHelpCommands(session);
    ConnectDeviceCommands(session);
    ConnectChartCommands(session);
}

void OpenGivenFile(AppSession& session, const std::string& path) {
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    auto* files = session.window().findChild<FileCommandHandler*>();
    if (files != nullptr) {
        files->openGiven(ec ? path : full.string());
    }
}

} // namespace vestra
