#include "base/ProgramVersion.h"
#include "base/QtMessageSink.h"
#include "base/Settings.h"
#include "files/DataFile.h"
#include "session/QtAppCommands.h"
#include "session/QtAppSession.h"
#include "start/AppArguments.h"
#include "start/QtDesktopSetup.h"
#include "start/QtSingleInstance.h"
#include "start/QtStartup.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

std::vector<std::string> arguments(const QStringList& list) {
    std::vector<std::string> args;
    for (qsizetype i = 1; i < list.size(); ++i) {
        args.push_back(list[i].toStdString());
    }
    return args;
}

// --version and --help are answered before Qt starts, so that they need no display.
std::optional<int> answerWithoutWindow(const vestra::AppArguments& args) {
    using Action = vestra::AppArguments::Action;
    switch (args.action) {
    case Action::Version:
        std::printf("%s\n", vestra::VersionLine("vestra").c_str());
        return 0;
    case Action::Help:
        std::fputs(vestra::kAppUsage, stdout);
        return 0;
    case Action::Mistake:
        std::fprintf(stderr, "vestra: %s\n%s", args.error.c_str(), vestra::kAppUsage);
        return 2;
    case Action::Run:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    vestra::AppArguments early = vestra::ParseAppArguments({argv + 1, argv + argc});
    if (early.action == vestra::AppArguments::Action::Version ||
        early.action == vestra::AppArguments::Action::Help) {
        return *answerWithoutWindow(early);
    }
    if (!vestra::HasDisplay({argv + 1, argv + argc},
                            {std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                             std::getenv("WAYLAND_DISPLAY")})) {
        std::fputs("vestra: no display to show the window on (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set)\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    // Qt has taken its own options (-platform, -style ...) out of the list by now.
    vestra::AppArguments args = vestra::ParseAppArguments(arguments(app.arguments()));
    if (std::optional<int> status = answerWithoutWindow(args)) {
        return *status;
    }
    vestra::SetUpDesktopApplication(app);
    vestra::QtMessageSink messages;
    std::optional<std::string> settingsPath = vestra::SettingsFilePath();
    if (!settingsPath) { // never a settings file under the current folder or "/"
        messages.showMessage(vestra::NoSettingsFileText(), vestra::MessageIcon::Critical);
        return 1;
    }
    const std::string& settingsFile = *settingsPath;
    vestra::QtSingleInstance instance(QString::fromStdString(settingsFile));
    // A copy runs already: it brings its window forward and opens the file; this one ends.
    QString given = args.file.empty()
                        ? QString()
                        : QFileInfo(QString::fromStdString(args.file)).absoluteFilePath();
    if (instance.handOver(given)) {
        return 0;
    }
    using vestra::InstanceLock;
    // A file handed over by the desktop decides the run's unit.
    std::optional<vestra::TemperatureUnit> fileUnit;
    if (!args.file.empty()) {
        fileUnit = vestra::DataFileUnitOf(args.file);
    }
    std::optional<vestra::StartedRun> run = vestra::StartUp(
        settingsFile, instance.state() != InstanceLock::HeldByRunningCopy, messages, fileUnit);
    if (!run) {
        return 0;
    }
    vestra::QtAppSession session(std::move(run->document), std::move(run->settings), messages);
    vestra::ConnectAllCommands(session);
    session.window().show();
    std::optional<vestra::HandOverFault> noHandOver =
        instance.listen([&session](const QString& file) {
            vestra::frmMain& window = session.window();
            window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
            window.raise();
            window.activateWindow();
            if (!file.isEmpty()) {
                vestra::OpenGivenFile(session, file.toStdString());
            }
        });
    if (noHandOver) {
        QTimer::singleShot(0, &session.window(), [&messages, fault = *noHandOver] {
            vestra::ShowNoHandOver(fault, messages);
        });
    }
    if (instance.state() == InstanceLock::Unavailable) {
        QTimer::singleShot(0, &session.window(),
                           [&messages] { vestra::ShowSettingsNotSaved(messages); });
    }
    if (!args.file.empty()) {
        // Once the window is on the screen, so that its messages have it as their owner.
        QTimer::singleShot(0, &session.window(),
                           [&session, &args] { vestra::OpenGivenFile(session, args.file); });
    }
    int status = QApplication::exec();
    // The main window closes only after its question about unsaved data has been answered Yes
    // or was not needed; only such a run writes the settings.
    if (instance.state() == InstanceLock::Acquired) {
        session.saveSettings();
    }
    return status;
}
