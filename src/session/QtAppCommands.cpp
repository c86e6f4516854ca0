#include "session/QtAppCommands.h"

#include "base/Settings.h"
#include "files/FileCommands.h"
#include "history/QtHistoryRecorder.h"
#include "history/frmHistory.h"
#include "print/QtPrintCommand.h"
#include "session/QtAppSession.h"
#include "session/QtChartPanel.h"
#include "session/QtDeviceOperations.h"
#include "session/QtFileCommandHandler.h"
#include "session/QtHelpWindow.h"
#include "session/frmAbout.h"

#include <QCoreApplication>
#include <filesystem>

namespace vestra {

QtFileCommandHandler* ConnectFileCommands(QtAppSession& session) {
    return new QtFileCommandHandler(session.window(), *session.fileDialogs,
                                    session.settings.CurrentFilePath, session.outputs,
                                    session.messages);
}

void ConnectPrintCommand(QtAppSession& session) {
    frmMain& window = session.window();
    QObject::connect(&window, &frmMain::printRequested, &window, [&session] {
        QtPrintPlace place{session.destination(), *session.printSystem, *session.fileDialogs,
                           session.settings.CurrentFilePath, session.outputs};
        RunPrintCommand(&session.window(), session.store, session.settings.CurrentUnit,
                        session.print, place, session.messages);
    });
}

void ConnectHelpCommands(QtAppSession& session) {
    frmMain& window = session.window();
    QObject::connect(&window, &frmMain::helpRequested, &window,
                     [&window] { OpenHelp(&window, HelpFilePath()); });
    QObject::connect(&window, &frmMain::aboutRequested, &window, [&window] {
        frmAbout about(&window);
        about.exec();
    });
}

void ConnectDeviceCommands(QtAppSession& session) {
    // New USB adapters get their port numbers here; the settings keep them at exit.
    InstallDeviceOperations(session.window(), session.messages, session.settings.Ports,
                            SurveyPorts());
}

void ConnectChartCommands(QtAppSession& session) {
    chart::InstallChart(session.window(), *session.fileDialogs, session.outputs, session.messages);
}

void ConnectHistory(QtAppSession& session, QtFileCommandHandler& files) {
    frmMain& window = session.window();
    auto* recorder = new QtHistoryRecorder(
        window, history::ReadHistorySettings(session.settingsDocument.ini()), session.messages);
    // While the closed window still stands, so that a message about data sets the history did
    // not get has its owner and the status bar is still there.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, recorder,
                     &QtHistoryRecorder::finishAll);
    QObject::connect(&window, &frmMain::dataCommitted, recorder, [recorder](bool fresh) {
        if (fresh) {
            recorder->record(QString()); // straight from the thermometer: no file yet
        }
    });
    QObject::connect(&files, &QtFileCommandHandler::dataFiled, recorder,
                     [recorder, &session](const QString& path) {
                         bool native =
                             SaveFormatOf(path.toStdString(), session.settings.CurrentUnit) ==
                             SaveFormat::Native;
                         recorder->record(native ? path : QString());
                     });
    QObject::connect(&window, &frmMain::historyRequested, &window, [recorder, &session, &files] {
        Expected<std::unique_ptr<history::HistoryStore>> store = recorder->openStore();
        Expected<history::HistoryStore*> shown =
            store ? Expected<history::HistoryStore*>(store->get()) : unexpected(store.error());
        frmHistory dialog(shown, session.settings.CurrentUnit, session.messages, &session.window());
        dialog.setOutputFolder(session.outputs.startFolder());
        QObject::connect(&dialog, &frmHistory::fileWritten, &dialog,
                         [&session](const std::string& path) { session.outputs.written(path); });
        QObject::connect(
            &dialog, &frmHistory::openFileRequested, &files,
            [&files](const QString& path) { files.openGiven(path.toStdString()); },
            Qt::QueuedConnection);
        dialog.exec();
    });
}

void ConnectAllCommands(QtAppSession& session) {
    frmMain& window = session.window();
    session.outputs.onWritten = [&window](const std::string& path) {
        window.noteWritten(QString::fromStdString(WrittenNote(path)), QString::fromStdString(path));
    };
    ConnectHistory(session, *ConnectFileCommands(session));
    ConnectPrintCommand(session);
    ConnectHelpCommands(session);
    ConnectDeviceCommands(session);
    ConnectChartCommands(session);
}

void OpenGivenFile(QtAppSession& session, const std::string& path) {
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    auto* files = session.window().findChild<QtFileCommandHandler*>();
    if (files != nullptr) {
        files->openGiven(ec ? path : full.string());
    }
}

} // namespace vestra
