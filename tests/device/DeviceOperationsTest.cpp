#include "device/frmTerm.h"
#include "device/frmTime.h"
#include "devicesettings/frmSet.h"
#include "serial/PosixSerialPort.h"
#include "session/QtDeviceOperations.h"
#include "support/DemoData.h"
#include "support/RecordingMessages.h"
#include "support/SimProcess.h"
#include "window/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace vestra {

using testing::SimProcess;
using Entries = std::vector<std::pair<std::string, MessageIcon>>;

// The main window's device commands through the real serial port, communication window and
// settings editor, against the simulated thermometer on a pseudo-terminal.
class DeviceOperationsTest : public QObject {
    Q_OBJECT

    DataStore store;
    MainWindowSettings settings;
    testing::RecordingMessages messages;
    std::unique_ptr<frmMain> window;
    std::unique_ptr<SimProcess> sim;
    std::map<int, std::string> portMap; // the [Ports] entries as the settings will save them

    // Paced like the real line: unpaced, a whole dump would overrun the 1024-character input
    // buffer before the first line is taken.
    void startSim(std::vector<std::string> args) {
        args.push_back("--pace");
        sim = std::make_unique<SimProcess>(VESTRA_SIM_PROGRAM, std::move(args));
        QVERIFY(!sim->slavePath().empty());
    }
    // The window with the device commands installed; COM1 leads to the simulator.
    void open(std::map<int, std::string> ports = {}, const PortSurvey& survey = {}) {
        if (sim && !ports.count(1)) {
            ports[1] = sim->slavePath();
        }
        portMap = ports;
        window = std::make_unique<frmMain>(store, TemperatureUnit::Celsius, settings, messages);
        InstallDeviceOperations(*window, messages, portMap, survey);
        window->show();
    }
    QAction* action(const char* name) {
        auto* a = window->findChild<QAction*>(QString::fromUtf8(name));
        if (!a) {
            qFatal("no action %s", name);
        }
        return a;
    }
    QString label(const char* name) {
        return window->findChild<QLabel*>(QString::fromUtf8(name))->text();
    }
    Entries recorded() const {
        Entries out;
        for (const auto& e : messages.entries) {
            out.emplace_back(e.text, e.icon);
        }
        return out;
    }
    bool importedReadingsLeft() const {
        for (const GroupSetting& g : store.importBuffer.groups) {
            if (!g.recordValues.empty() || !g.recordTimes.empty()) {
                return true;
            }
        }
        return false;
    }
    void importSucceeds() {
        messages.entries.clear();
        action("mnuData")->trigger();
        QCOMPARE(messages.entries.size(), std::size_t(1));
        QVERIFY2(messages.entries[0].text.starts_with("正常終了。"),
                 messages.entries[0].text.c_str());
    }
    // Runs work on the dialog the menu item opens, once it is up, then triggers the item.
    template <class Dialog>
    bool withDialog(const char* item, const std::function<void(Dialog&)>& work) {
        bool found = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog) {
                found = true;
                work(*dialog);
                dialog->close();
            }
        });
        action(item)->trigger();
        return found;
    }

private slots:
    void init() {
        store = DataStore{};
        settings = MainWindowSettings{};
        messages = testing::RecordingMessages{};
    }
    void cleanup() {
        store.modified = false; // so closing asks nothing
        window.reset();
        sim.reset();
    }

    void importShowsTheCountAndTheNewDataUnsaved() {
        startSim({"--readings", "20"});
        open();
        window->selectNode(1);
        QCOMPARE(label("Memory"), QStringLiteral("ﾃﾞｰﾀはありません。"));
        action("tbrData")->trigger();
        QCOMPARE(recorded(), (Entries{{"正常終了。\r\n全部で20件のﾒﾓﾘﾃﾞｰﾀを取り込みました。",
                                       MessageIcon::Information}}));
        QCOMPARE(int(store.currentData.totalCount), 20);
        QCOMPARE(label("Memory"), QStringLiteral(" 2件のﾃﾞｰﾀがあります。"));
        QVERIFY(store.hasData);
        QVERIFY(store.modified);
        for (const char* name : {"mnuSave", "mnuPrint", "tbrSave", "tbrPrint"}) {
            QVERIFY2(action(name)->isEnabled(), name);
        }
        QVERIFY(!importedReadingsLeft());
    }

    void importCutShortKeepsTheShownDataAndItsState() {
        startSim({"--fault", "cut:20"});
        open();
        testing::StageDemoImport(store.importBuffer);
        window->commitLoadedData(false); // as a file that was just opened
        action("mnuData")->trigger();
        QCOMPARE(recorded(), (Entries{{"本体からの応答がありません。", MessageIcon::Exclamation}}));
        QCOMPARE(store.currentData.deviceLabel, std::string("LINE-A"));
        QCOMPARE(int(store.currentData.totalCount), 12);
        QCOMPARE(label("lblVESTRA1"), QStringLiteral("LINE-A"));
        QVERIFY(store.hasData);
        QVERIFY(!store.modified);
        QVERIFY(action("tbrSave")->isEnabled());
        QVERIFY(!importedReadingsLeft());
    }

    // Every fault of the line, through the port and the waits the window really uses.
    void importFaultsGiveTheirMessages_data() {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        const QString badData = "受信ﾃﾞｰﾀ異常。\r\n本ｿﾌﾄではｻﾎﾟｰﾄされていないﾃﾞｰﾀです。";
        const int exclamation = int(MessageIcon::Exclamation);
        QTest::newRow("silent") << QStringList{"--fault", "silent"}
                                << QString("本体からの応答がありません。") << exclamation;
        QTest::newRow("battery")
            << QStringList{"--fault", "ng1"}
            << QString("本体からﾊﾞｯﾃﾘｰｱﾗｰﾑを受信しました。\r\n電池を交換して下さい。")
            << exclamation;
        QTest::newRow("refused") << QStringList{"--fault", "ng3:0"}
                                 << QString("本体との通信に失敗しました。\r\n通信環境が異常です!")
                                 << int(MessageIcon::Critical);
        QTest::newRow("garbage") << QStringList{"--fault", "garbage"} << badData << exclamation;
        QTest::newRow("long line")
            << QStringList{"--fault", "long-line:31"} << badData << exclamation;
        QTest::newRow("other unit") << QStringList{"--unit", "F"} << badData << exclamation;
    }
    void importFaultsGiveTheirMessages() {
        QFETCH(QStringList, simArgs);
        QFETCH(QString, message);
        QFETCH(int, icon);
        std::vector<std::string> args;
        for (const QString& arg : simArgs) {
            args.push_back(arg.toStdString());
        }
        startSim(args);
        open();
        action("mnuData")->trigger();
        QCOMPARE(recorded(), (Entries{{message.toStdString(), MessageIcon(icon)}}));
        QVERIFY(!store.hasData);
    }

    void deviceVanishingMidDumpIsACommunicationFailure() {
        startSim({"--readings", "150"});
        open();
        QTimer::singleShot(2500, this, [this] { sim.reset(); });
        action("mnuData")->trigger();
        QCOMPARE(recorded(), (Entries{{"本体との通信に失敗しました。\r\n通信環境が異常です!",
                                       MessageIcon::Critical}}));
    }

    void abortButtonEndsTheImport() {
        startSim({"--readings", "150"});
        open();
        QTimer::singleShot(2500, this, [] {
            if (auto* term = qobject_cast<frmTerm*>(QApplication::activeModalWidget())) {
                term->cmdCancel->click();
            }
        });
        action("mnuData")->trigger();
        QCOMPARE(recorded(), (Entries{{"ﾕｰｻﾞによって中断されました。", MessageIcon::Information}}));
        QVERIFY(!store.hasData);
    }

    void portHeldByAnotherProgramIsNamedBusy() {
        startSim({});
        open();
        PosixSerialPort holder(sim->slavePath());
        std::string reason;
        QVERIFY2(holder.open(reason), reason.c_str());
        action("mnuData")->trigger();
        QCOMPARE(messages.entries.size(), std::size_t(1));
        const std::string& text = messages.entries[0].text;
        QVERIFY2(text.ends_with(" は他のﾌﾟﾛｸﾞﾗﾑ (" + ProcessName(getpid()) + ", PID " +
                                std::to_string(getpid()) + ") が使用中です。"),
                 text.c_str());
        QVERIFY2(text.find("dialout") == std::string::npos, text.c_str());
    }

    void unsavedDataQuestionComesBeforeThePort() {
        open({{1, "/nonexistent/ttyVESTRA"}});
        action("mnuData")->trigger(); // nothing shown yet: no question
        const std::pair<std::string, MessageIcon> refused{
            "選択されている通信ﾎﾟｰﾄは使用できません。\r\n別ﾎﾟｰﾄを選択して下さい。\r\n"
            "/nonexistent/ttyVESTRA が見つかりません。",
            MessageIcon::Exclamation};
        QCOMPARE(recorded(), Entries{refused});

        testing::StageDemoImport(store.importBuffer);
        window->commitLoadedData(true);
        messages.entries.clear();
        messages.answers = {false, true};
        const std::pair<std::string, MessageIcon> question{
            "現在のﾃﾞｰﾀは保存されていませんがよろしいですか?", MessageIcon::Question};
        action("mnuData")->trigger();
        QCOMPARE(recorded(), Entries{question});
        action("mnuData")->trigger();
        QCOMPARE(recorded(), (Entries{question, question, refused}));
        QCOMPARE(int(store.currentData.totalCount), 12);
        QVERIFY(store.modified);
    }

    void clearAndResetAskFirstAndLeaveTheShownDataAlone() {
        startSim({"--readings", "7"});
        open();
        testing::StageDemoImport(store.importBuffer);
        window->commitLoadedData(false);
        const std::pair<std::string, MessageIcon> clearQuestion{
            "本体のﾒﾓﾘﾃﾞｰﾀを全て消去します。よろしいですか?", MessageIcon::Question};
        const std::pair<std::string, MessageIcon> resetQuestion{
            "本体を工場出荷状態に戻します。\r\nﾒﾓﾘﾃﾞｰﾀも消去されますが、よろしいですか?",
            MessageIcon::Question};
        messages.answers = {false, false, true};
        action("mnuClear")->trigger();
        action("mnuReset")->trigger();
        action("mnuClear")->trigger();
        QCOMPARE(recorded(),
                 (Entries{clearQuestion,
                          resetQuestion,
                          clearQuestion,
                          {"本体ﾒﾓﾘの消去を完了しました。", MessageIcon::Information}}));
        QCOMPARE(int(store.currentData.totalCount), 12);
        QVERIFY(!store.modified);

        messages.entries.clear();
        action("mnuReset")->trigger();
        QCOMPARE(recorded(),
                 (Entries{resetQuestion,
                          {"本体を工場出荷状態に戻しました。", MessageIcon::Information}}));

        messages.entries.clear();
        action("mnuData")->trigger(); // the thermometer really was cleared
        QCOMPARE(recorded(),
                 (Entries{{"正常終了。\r\n本体に収録されているﾒﾓﾘﾃﾞｰﾀはありませんでした。",
                           MessageIcon::Information}}));
        QCOMPARE(int(store.currentData.totalCount), 0);
        QVERIFY(store.hasData);
        QVERIFY(store.modified);
    }

    void portMenuShowsDevicesAndTheChosenPortIsUsed() {
        open({{3, "/nonexistent/com3"}, {16, " "}});
        QCOMPARE(action("mnuCommPort0")->statusTip(), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(action("mnuCommPort2")->statusTip(), QStringLiteral("/nonexistent/com3"));
        QCOMPARE(action("mnuCommPort2")->toolTip(), QStringLiteral("/nonexistent/com3"));
        QCOMPARE(action("mnuCommPort15")->statusTip(), QStringLiteral("/dev/ttyS15"));
        action("mnuCommPort15")->trigger();
        QCOMPARE(label("Port"), QStringLiteral("ﾎﾟｰﾄ:COM16"));
        action("mnuCommPort2")->trigger();
        QCOMPARE(label("Port"), QStringLiteral("ﾎﾟｰﾄ:COM3"));
        QCOMPARE(settings.portNumber, 3);
        QVERIFY(action("mnuCommPort2")->isChecked());
        QVERIFY(!action("mnuCommPort15")->isChecked());
        action("mnuData")->trigger();
        QCOMPARE(messages.entries.size(), std::size_t(1));
        QVERIFY(messages.entries[0].text.ends_with("/nonexistent/com3 が見つかりません。"));
    }

    // The simulator's line stands for a USB adapter found at start-up.
    void newAdapterGetsTheLowestFreeNumberAndIsDescribed() {
        startSim({});
        PortSurvey survey;
        survey.builtIn = {3}; // /dev/ttyS2 has a UART: COM3 is taken
        survey.adapters.push_back(
            {sim->slavePath(), sim->slavePath(), "Maker Cable", "0403", "6001", "S1"});
        open({{1, "/dev/ttyS0"}, {2, "/dev/ttyUSB7"}}, survey);
        QCOMPARE(portMap, (std::map<int, std::string>{
                              {1, "/dev/ttyS0"}, {2, "/dev/ttyUSB7"}, {4, sim->slavePath()}}));
        QString tip = QString::fromStdString(sim->slavePath() + " Maker Cable (0403:6001) S/N S1");
        QCOMPARE(action("mnuCommPort3")->statusTip(), tip);
        QCOMPARE(action("mnuCommPort3")->toolTip(), tip);
        action("mnuCommPort3")->trigger();
        importSucceeds();
    }

    void traceIsWrittenWhenTheEnvironmentAsksForIt() {
        startSim({"--readings", "2"});
        QTemporaryDir folder;
        QString path = folder.filePath("line.trace");
        qputenv("VESTRA_TRACE", path.toLocal8Bit());
        open();
        qunsetenv("VESTRA_TRACE");
        importSucceeds();
        QFile trace(path);
        QVERIFY(trace.open(QIODevice::ReadOnly));
        QByteArray text = trace.readAll();
        for (const char* expected :
             {" * port ", " > HEL\\r\\n\n", " < OK\\r\\n", " * result 0\n"}) {
            QVERIFY2(text.contains(expected), text.constData());
        }
    }

    // A transcript that cannot be written is one note in the status bar; the import goes on.
    void traceThatCannotBeWrittenIsAStatusBarNote() {
        startSim({"--readings", "2"});
        qputenv("VESTRA_TRACE", "/dev/full");
        open();
        qunsetenv("VESTRA_TRACE");
        importSucceeds();
        auto* note = window->findChild<QLabel*>("TraceNote");
        QVERIFY(note != nullptr && note->isVisible());
        QVERIFY2(note->toolTip().startsWith("/dev/full: "), qPrintable(note->toolTip()));
    }

    void clockDialogSetsTheThermometersClock() {
        startSim({});
        open();
        bool ran = withDialog<frmTime>("mnuTime", [](frmTime& dialog) {
            const char* typed[] = {"2030", "1", "2", "3", "4", "5"};
            for (int i = 0; i < 6; ++i) {
                dialog.findChild<QLineEdit*>(QString("txtTime%1").arg(i))->setText(typed[i]);
            }
            dialog.cmdOK_Click();
        });
        QVERIFY(ran);
        QCOMPARE(recorded(),
                 (Entries{{"本体時計の設定を完了しました。", MessageIcon::Information}}));
        importSucceeds();
        const DateTime& clock = store.currentData.importedAt;
        QCOMPARE((std::vector<int>{clock.year, clock.month, clock.day, clock.hour, clock.minute}),
                 (std::vector<int>{2030, 1, 2, 3, 4}));
        QVERIFY2(clock.second >= 5 && clock.second < 20, QByteArray::number(clock.second));
    }

    void settingsEditorSendsTheLabel() {
        startSim({});
        open();
        bool ran = withDialog<frmSet>("mnuFunc", [](frmSet& dialog) {
            dialog.findChild<QLineEdit*>("txtLabel")->setText("DEMO-7");
            dialog.cmdSet_Click();
        });
        QVERIFY(ran);
        QCOMPARE(messages.entries.size(), std::size_t(2)); // the confirmation, then done
        QCOMPARE(messages.entries[1].icon, MessageIcon::Information);
        importSucceeds();
        QCOMPARE(store.currentData.deviceLabel, std::string("DEMO-7"));
    }
};

} // namespace vestra

QTEST_MAIN(vestra::DeviceOperationsTest)
#include "DeviceOperationsTest.moc"
