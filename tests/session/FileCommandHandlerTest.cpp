#include "files/DataFile.h"
#include "files/TempFolder.h"
#include "session/QtFileCommandHandler.h"
#include "support/DemoData.h"
#include "support/FakeFileDialogs.h"
#include "support/RecordingMessages.h"
#include "window/QtGridTable.h"
#include "window/frmMain.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

using namespace vestra;

// The Open and Save commands as the main window's menu starts them, with the file dialogs
// answered by the test.
class FileCommandHandlerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::TempFolder> folder;
    DataStore store;
    MainWindowSettings settings;
    testing::RecordingMessages messages;
    testing::FakeFileDialogs dialogs;
    std::string currentFilePath;
    OutputPlace outputs{"/documents/"};
    std::vector<std::string> written;
    std::unique_ptr<frmMain> window;
    QtFileCommandHandler* handler = nullptr;

    void importDemo() {
        testing::StageDemoImport(store.importBuffer);
        window->commitLoadedData(true);
    }
    void trigger(const char* action) {
        window->findChild<QAction*>(QString::fromUtf8(action))->trigger();
    }
    QString label(const char* name) {
        return window->findChild<QLabel*>(QString::fromUtf8(name))->text();
    }
    // A data file holding the demo import, written without the window.
    std::string demoFile(const std::string& name) {
        DataStore other;
        testing::StageDemoImport(other.importBuffer);
        other.commitImport(true);
        other.currentData.subject = "demo file";
        std::string path = folder->file(name);
        testing::RecordingMessages quiet;
        if (!SaveDataFile(path, other, TemperatureUnit::Celsius, quiet)) {
            qFatal("could not write %s", path.c_str());
        }
        return path;
    }

private slots:
    void init() {
        folder = std::make_unique<testing::TempFolder>("vestra-filecommand");
        store = DataStore{};
        messages = testing::RecordingMessages{};
        dialogs = testing::FakeFileDialogs{};
        currentFilePath.clear();
        outputs = OutputPlace("/documents/");
        written.clear();
        outputs.onWritten = [this](const std::string& path) { written.push_back(path); };
        window = std::make_unique<frmMain>(store, TemperatureUnit::Celsius, settings, messages);
        handler = new QtFileCommandHandler(*window, dialogs, currentFilePath, outputs, messages);
    }
    void cleanup() {
        store.modified = false;
        window.reset();
        folder.reset();
    }

    void openingOverUnsavedDataAsksAndNoStopsBeforeTheDialog() {
        importDemo();
        messages.answers = {false};
        trigger("mnuOpen");
        QCOMPARE(messages.entries.size(), std::size_t{1});
        QCOMPARE(messages.entries[0].text,
                 std::string("現在のﾃﾞｰﾀは保存されていませんがよろしいですか?"));
        QVERIFY(dialogs.opened.empty());
        QVERIFY(store.modified);
        QCOMPARE(store.currentData.totalCount, std::int16_t{12});
    }

    void aFileThatCannotBeReadLeavesTheDataButKeepsItsName() {
        importDemo();
        std::string bad = folder->file("bad.qmc");
        testing::WriteBytes(bad, "not a data file");
        dialogs.answers = {bad};
        trigger("tbrOpen");
        QCOMPARE(messages.entries.back().text, std::string("File Load Error !"));
        QCOMPARE(messages.entries.back().icon, MessageIcon::Critical);
        QCOMPARE(currentFilePath, bad);
        QVERIFY(store.hasData && store.modified);
        QCOMPARE(store.currentData.totalCount, std::int16_t{12});
        QCOMPARE(label("lblVESTRA1"), QStringLiteral("LINE-A"));
        QVERIFY(store.importBuffer.group(2).recordValues.empty());
    }

    void anOpenedFileIsShownAsSaved() {
        std::string path = demoFile("plant.qmc");
        window->selectNode(2);
        dialogs.answers = {path};
        trigger("mnuOpen");
        QCOMPARE(currentFilePath, path);
        QVERIFY(store.hasData);
        QVERIFY(!store.modified);
        QCOMPARE(store.currentData.subject, std::string("demo file"));
        QVERIFY(window->findChild<QAction*>("mnuSave")->isEnabled());
        auto* detail = window->findChild<QtGridTable*>("vsfgGrp");
        QCOMPARE(detail->gridText(8, 2), QStringLiteral("-3.4"));
        QVERIFY(store.importBuffer.group(1).recordValues.empty());
        QCOMPARE(dialogs.opened[0].defaultExtension, std::string("qmc"));
    }

    // A file named on the command line meets the checks and messages of the Open command.
    void aGivenFileIsOpenedAsTheOpenCommandWould_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("loadedFrom");
        QTest::newRow("data file") << "plant.qmc"
                                   << ""
                                   << "plant.qmc";
        QTest::newRow("without extension") << "plant"
                                           << ""
                                           << "plant.qmc";
        QTest::newRow("missing") << "missing.qmc"
                                 << "File Load Error !"
                                 << "";
        QTest::newRow("not a data file") << "bad.qmc"
                                         << "File Load Error !"
                                         << "";
        QTest::newRow("other unit") << "plant.qmf"
                                    << "ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。"
                                    << "";
    }
    void aGivenFileIsOpenedAsTheOpenCommandWould() {
        QFETCH(QString, given);
        QFETCH(QString, message);
        QFETCH(QString, loadedFrom);
        demoFile("plant.qmc");
        testing::WriteBytes(folder->file("bad.qmc"), "not a data file");
        testing::WriteBytes(folder->file("plant.qmf"),
                            testing::ReadBytes(folder->file("plant.qmc")));
        currentFilePath = "/before.qmc";
        handler->openGiven(folder->file(given.toStdString()));
        QCOMPARE(QString::fromStdString(messages.entries.empty() ? std::string()
                                                                 : messages.entries.back().text),
                 message);
        QCOMPARE(store.hasData, !loadedFrom.isEmpty());
        QVERIFY(dialogs.opened.empty());
        bool refused = message.startsWith(QStringLiteral("ｻﾎﾟｰﾄ"));
        std::string expectedPath =
            loadedFrom.isEmpty() ? given.toStdString() : loadedFrom.toStdString();
        QCOMPARE(currentFilePath,
                 refused ? std::string("/before.qmc") : folder->file(expectedPath));
    }

    // The title names the data file and marks unsaved changes; every file written is reported.
    void exportsKeepOrClearTheUnsavedStateAsTheirFormatDoes() {
        importDemo();
        QCOMPARE(window->windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ*"));
        dialogs.answers = {folder->file("report.TXT"), folder->file("table.csv"),
                           folder->file("data")};
        trigger("mnuSave");
        QVERIFY(QFile::exists(QString::fromStdString(folder->file("report.TXT"))));
        QVERIFY(store.modified);
        QCOMPARE(window->windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ*"));
        trigger("tbrSave");
        QVERIFY(QFile::exists(QString::fromStdString(folder->file("table.csv"))));
        QVERIFY(!store.modified);
        QCOMPARE(window->windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ"));
        trigger("mnuSave");
        QCOMPARE(testing::ReadBytes(folder->file("data.qmc")).size(),
                 std::size_t{56 * (3 + 3 * 15 + 12)});
        QVERIFY(messages.entries.empty());
        QCOMPARE(window->windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ - data.qmc"));
        QCOMPARE(written, (std::vector{folder->file("report.TXT"), folder->file("table.csv"),
                                       folder->file("data.qmc")}));
        QCOMPARE(outputs.startFolder(), folder->file(""));

        auto* subject = window->findChild<QLineEdit*>("txtInfo");
        subject->setText(QStringLiteral("changed"));
        window->commitPendingEdits();
        QCOMPARE(window->windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ - data.qmc*"));
        messages.answers = {true};
        handler->openGiven(demoFile("plant.qmc"));
        QCOMPARE(window->windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ - plant.qmc"));
    }
};

QTEST_MAIN(FileCommandHandlerTest)
#include "FileCommandHandlerTest.moc"
