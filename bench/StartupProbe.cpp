// The application's start without the start-up form: the desktop set-up, the settings file
// read or created, the session with its main window, every command connected, the window shown;
// then it quits. With
// --import it first imports the thermometer's memory through the configured port, as the
// "Data" button does, and prints the peak resident memory of the process in KiB.
#include "base/Settings.h"
#include "session/QtAppCommands.h"
#include "session/QtAppSession.h"
#include "start/QtDesktopSetup.h"
#include "start/StartupSettings.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sys/resource.h>

namespace {

// Messages go to standard error and every question is answered Yes, so nothing waits for a
// user.
class ConsoleSink : public vestra::MessageSink {
public:
    void showMessage(const std::string& text, vestra::MessageIcon) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    bool askYesNo(const std::string& text, vestra::MessageIcon) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        return true;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vestra::SetUpDesktopApplication(app);
    bool import = argc > 1 && std::strcmp(argv[1], "--import") == 0;
    ConsoleSink messages;
    std::optional<std::string> file = vestra::SettingsFilePath();
    if (!file) {
        std::fprintf(stderr, "no home folder for the settings file\n");
        return 2;
    }
    vestra::SettingsDocument document = vestra::PrepareSettings(*file);
    vestra::Settings settings = vestra::ReadSettings(document.ini());
    vestra::QtAppSession session(std::move(document), settings, messages);
    vestra::ConnectAllCommands(session);
    session.window().show();
    QTimer::singleShot(0, &app, [&] {
        if (import) {
            emit session.window().importRequested();
        }
        QApplication::quit();
    });
    int status = QApplication::exec();
    if (import) {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%ld\n", usage.ru_maxrss);
    }
    return status;
}
