#include "files/TempFolder.h"
#include "session/QtAppSession.h"
#include "start/QtStartup.h"
#include "start/StartupSettings.h"
#include "start/frmSplash.h"
#include "support/RecordingMessages.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

using namespace vestra;

namespace {

// The default file of a first run, in the bytes it must have on disk (ﾟ is 0xDF in CP932).
const std::string kDefaultFile = "[Setting]\r\nComPort= 1\r\nUnit=\xdf"
                                 "C\r\nUnitChange=1\r\n\r\n[Print]\r\nData=0\r\nGroup= 0\r\n";

// Acts on the first visible window of type T once a modal loop has shown it.
template <class T> void whenShown(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<T*>(w); found && found->isVisible()) {
                timer->stop();
                timer->deleteLater();
                act(found);
                return;
            }
        }
    });
    timer->start();
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::TempFolder> config;
    testing::RecordingMessages messages;

    std::string settingsFile() const { return SettingsFilePath().value(); }
    void writeSettings(const std::string& bytes) {
        std::filesystem::create_directories(std::filesystem::path(settingsFile()).parent_path());
        testing::WriteBytes(settingsFile(), bytes);
    }

private slots:
    void init() {
        config = std::make_unique<testing::TempFolder>("vestra-startup");
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config->path().string()));
        messages = testing::RecordingMessages{};
    }
    void cleanup() { config.reset(); }

    void firstRunCreatesTheFoldersAndTheDefaultFileThenAsks() {
        bool asked = false;
        whenShown<frmSplash>([&asked](frmSplash* splash) {
            asked = splash->optType[0]->isChecked() && !splash->cmdOK->isHidden();
            splash->cmdOK->click();
        });
        std::optional<StartedRun> started = StartUp(settingsFile(), true, messages);
        QVERIFY(started.has_value());
        QVERIFY(asked);
        QCOMPARE(testing::ReadBytes(settingsFile()), kDefaultFile);
        QCOMPARE(started->settings.CurrentUnit, TemperatureUnit::Celsius);
        QVERIFY(started->settings.AskModelType);
        QCOMPARE(started->settings.PortNumber, std::int16_t{1});
        QVERIFY(started->settings.CurrentFilePath.empty());
        QVERIFY(messages.entries.empty());
    }

    void askModeTakesTheChosenTypeWithoutWritingIt() {
        std::string file = "[Setting]\r\nUnit=\xdf"
                           "C\r\nUnitChange=1\r\nComPort= 4\r\nLastFile= /d/a.qmc \r\n";
        writeSettings(file);
        whenShown<frmSplash>([](frmSplash* splash) {
            splash->optType[1]->setChecked(true);
            splash->chkType->setChecked(true);
            splash->cmdOK->click();
        });
        std::optional<StartedRun> started = StartUp(settingsFile(), true, messages);
        QVERIFY(started.has_value());
        QCOMPARE(started->settings.CurrentUnit, TemperatureUnit::Fahrenheit);
        QVERIFY(!started->settings.AskModelType);
        QCOMPARE(started->settings.PortNumber, std::int16_t{4});
        QCOMPARE(started->settings.CurrentFilePath, std::string("/d/a.qmc"));
        QCOMPARE(testing::ReadBytes(settingsFile()), file);
    }

    void splashModeGoesOnByItselfWithTheStoredType() {
        writeSettings("[Setting]\r\nUnit=\xdf"
                      "F\r\nUnitChange=0\r\n");
        QElapsedTimer clock;
        clock.start();
        std::optional<StartedRun> started = StartUp(settingsFile(), true, messages);
        QVERIFY(clock.elapsed() >= 1900);
        QVERIFY(started.has_value());
        QCOMPARE(started->settings.CurrentUnit, TemperatureUnit::Fahrenheit);
        QVERIFY(!started->settings.AskModelType);
    }

    // A file handed over by the desktop decides the type without the question, which stays on.
    void aGivenFileDecidesTheTypeWithoutAsking() {
        writeSettings("[Setting]\r\nUnit=\xdf"
                      "C\r\nUnitChange=1\r\n");
        std::optional<StartedRun> started =
            StartUp(settingsFile(), true, messages, TemperatureUnit::Fahrenheit);
        QVERIFY(started.has_value());
        QCOMPARE(started->settings.CurrentUnit, TemperatureUnit::Fahrenheit);
        QVERIFY(started->settings.AskModelType);
    }

    void aSecondInstanceIsRefusedBeforeAnythingElse() {
        QVERIFY(!StartUp(settingsFile(), false, messages).has_value());
        QCOMPARE(messages.entries.size(), std::size_t{1});
        QCOMPARE(messages.entries[0].text, std::string("すでに起動されています。"));
        QCOMPARE(messages.entries[0].icon, MessageIcon::Critical);
        QCOMPARE(config->entryCount(), 0);
    }

    void closingTheFormWithoutOkEndsWithoutWritingSettings() {
        std::string file = "[Setting]\r\nUnit=\xdf"
                           "C\r\nUnitChange=1\r\n";
        writeSettings(file);
        whenShown<frmSplash>([](frmSplash* splash) {
            splash->optType[1]->setChecked(true);
            splash->close();
        });
        QVERIFY(!StartUp(settingsFile(), true, messages).has_value());
        QCOMPARE(testing::ReadBytes(settingsFile()), file);
    }

    void theRunStartsFromTheSettingsAndWritesThemBack() {
        Settings start{.CurrentUnit = TemperatureUnit::Fahrenheit,
                       .AskModelType = false,
                       .PortNumber = 5,
                       .PrintDataOption = true,
                       .PrintGroupOption = 2,
                       .CurrentFilePath = {},
                       .Ports = {}};
        QtAppSession session(PrepareSettings(settingsFile()), start, messages);
        QCOMPARE(session.window().unit(), TemperatureUnit::Fahrenheit);
        QCOMPARE(session.window().portNumber(), 5);
        QVERIFY(session.print.PrintDataOption);
        QCOMPARE(session.print.PrintGroupOption, std::int16_t{2});

        session.window().findChild<QAction*>("mnuCommPort2")->trigger();
        session.window().mnuChangeDI_Click();
        session.print.PrintGroupOption = 1;
        session.settings.CurrentFilePath = "/data/plant.qmf";
        QVERIFY(session.saveSettings());
        Settings written;
        LoadSettings(settingsFile(), written);
        QCOMPARE(written.CurrentUnit, TemperatureUnit::Fahrenheit);
        QCOMPARE(written.PortNumber, std::int16_t{3});
        QVERIFY(written.AskModelType && written.PrintDataOption);
        QCOMPARE(written.PrintGroupOption, std::int16_t{1});
        QCOMPARE(written.CurrentFilePath, std::string("/data/plant.qmf"));
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
