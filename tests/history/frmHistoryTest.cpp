#include "history/frmHistory.h"

#include "../support/RecordingMessages.h"
#include "base/TemperatureUnit.h"
#include "files/Export.h"
#include "files/TempFolder.h"
#include "history/BackendModules.h"
#include "history/HistoryCsv.h"
#include "history/HistoryData.h"
#include "history/QtHistoryRecorder.h"
#include "window/frmMain.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using namespace vestra;

class frmHistoryTest : public QObject {
    Q_OBJECT

    testing::TempFolder folder{"vestra-history-window"};
    testing::RecordingMessages messages;
    std::unique_ptr<history::HistoryStore> store;

    void add(const DataSet& data, const std::string& source) {
        auto outcome = store->add(data, TemperatureUnit::Celsius, source);
        QVERIFY2(outcome, outcome ? "" : outcome.error().text.c_str());
    }

    // Records the shown data set and waits for the recorder's answer.
    static void recordAndWait(QtHistoryRecorder& recorder, const QString& source) {
        QSignalSpy answered(&recorder, &QtHistoryRecorder::recorded);
        recorder.record(source);
        QVERIFY(answered.wait(30'000));
    }

    template <typename T> T* find(QWidget& parent, const char* name) {
        return parent.findChild<T*>(QString::fromUtf8(name));
    }

private slots:
    void init() {
        std::filesystem::remove(folder.file("h.sqlite"));
        auto opened = history::OpenHistoryStore(history::SqliteFile{folder.file("h.sqlite")},
                                                history::HistoryAccess::ReadWrite);
        QVERIFY2(opened, opened ? "" : opened.error().text.c_str());
        store = std::move(*opened);
        add(testing::RoundDataSet(1), "/plant/feb.qmc");
        add(testing::RoundDataSet(2), "/plant/mar.qmc");
    }

    void offersTagsThenObjectsOfTheUnit() {
        frmHistory window(store.get(), TemperatureUnit::Celsius, messages);
        auto* choices = find<QComboBox>(window, "cboKey");
        QStringList items;
        for (int i = 0; i < choices->count(); ++i) {
            items << choices->itemText(i);
        }
        QCOMPARE(items,
                 QStringList({"ﾀｸﾞ  T5", "ﾀｸﾞ  TAG2", "対象物  2号炉 炉壁", "対象物  ﾀﾞｸﾄ"}));
    }

    void showsEveryReadingOfTheChoiceWithItsSource() {
        frmHistory window(store.get(), TemperatureUnit::Celsius, messages);
        window.choose(1);
        auto* table = find<QTableWidget>(window, "vsfgHistory");
        QCOMPARE(table->rowCount(), 6);
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QString("データ(ﾟC)"));
        QCOMPARE(table->item(0, 0)->text(), QString("2026/02/10 09:00"));
        QCOMPARE(table->item(0, 1)->text(), QString("251.0"));
        QCOMPARE(table->item(1, 2)->text(), QString("high"));
        QCOMPARE(table->item(3, 9)->text(), QString("/plant/mar.qmc"));
        QVERIFY(find<QWidget>(window, "trendView")->isVisibleTo(&window));
    }

    void aDoubleClickAsksForTheSourceFile() {
        frmHistory window(store.get(), TemperatureUnit::Celsius, messages);
        window.choose(1);
        QSignalSpy opened(&window, &frmHistory::openFileRequested);
        auto* table = find<QTableWidget>(window, "vsfgHistory");
        emit table->cellDoubleClicked(4, 0);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.at(0).at(0).toString(), QString("/plant/mar.qmc"));
    }

    void exportsTheShownRowsAsTheToolDoes() {
        frmHistory window(store.get(), TemperatureUnit::Celsius, messages);
        window.choose(2);
        std::string path = folder.file("wall.csv");
        QVERIFY(window.exportCsv(path));
        QCOMPARE(testing::ReadBytes(path), EncodeLines(history::HistoryCsvLines(
                                               window.readings(), TemperatureUnit::Celsius)));
        QCOMPARE(window.readings().size(), std::size_t(6));
    }

    void aFailedExportShowsTheFileError() {
        frmHistory window(store.get(), TemperatureUnit::Celsius, messages);
        window.choose(1);
        messages.entries.clear();
        QVERIFY(!window.exportCsv(folder.file("missing/wall.csv")));
        QCOMPARE(messages.entries.size(), std::size_t(1));
        QCOMPARE(messages.entries[0].text, std::string("File Save Error !"));
    }

    void withoutAHistoryItSaysWhyAndOffersNothing() {
        frmHistory window(unexpected(Error{"postgresql://db:1/h: Connection refused"}),
                          TemperatureUnit::Celsius, messages);
        QVERIFY(!find<QComboBox>(window, "cboKey")->isEnabled());
        QVERIFY(!find<QPushButton>(window, "cmdExport")->isEnabled());
        QVERIFY(find<QLabel>(window, "lblStatus")->text().contains("Connection refused"));
    }

    // The command that ran is never touched: a history that cannot be written is one note.
    void aFailingHistoryIsOneStatusBarNote() {
        DataStore data;
        MainWindowSettings settings;
        frmMain window(data, TemperatureUnit::Celsius, settings, messages);
        data.currentData = testing::RoundDataSet(3);
        testing::WriteBytes(folder.file("not-a-db"), "text");
        QtHistoryRecorder failing(window, {folder.file("not-a-db"), true}, messages);
        messages.entries.clear();
        recordAndWait(failing, "/plant/apr.qmc");
        QVERIFY(!failing.note()->isHidden());
        QVERIFY(failing.note()->toolTip().contains("not-a-db"));
        QVERIFY(messages.entries.empty());
        QtHistoryRecorder working(window, {folder.file("h.sqlite"), true}, messages);
        recordAndWait(working, "/plant/apr.qmc");
        QVERIFY(working.note()->isHidden());
        auto found = store->readings({history::HistoryKey::Tag, "TAG2", TemperatureUnit::Celsius});
        QVERIFY(found);
        QCOMPARE(found->size(), std::size_t(9));
    }

    // A reading numbered beyond any group's readings: the stored copy of the shown data set is
    // damaged, and recording it again must neither abort nor touch what the window shows.
    void aDamagedHistoryIsTheSameNote() {
        DataStore data;
        MainWindowSettings settings;
        frmMain window(data, TemperatureUnit::Celsius, settings, messages);
        data.currentData = testing::RoundDataSet(1);
        store.reset();
        auto raw =
            history::ConnectSqlite(folder.file("h.sqlite"), history::HistoryAccess::ReadWrite);
        raw->query("PRAGMA foreign_keys = OFF");
        raw->query("UPDATE reading SET number = 100000 WHERE group_number = 2 AND number = 1");
        QtHistoryRecorder recorder(window, {folder.file("h.sqlite"), true}, messages);
        messages.entries.clear();
        recordAndWait(recorder, "/plant/feb.qmc");
        QVERIFY(!recorder.note()->isHidden());
        QVERIFY(messages.entries.empty());
        QCOMPARE(data.currentData.group(2).remarks[0],
                 testing::RoundDataSet(1).group(2).remarks[0]);
    }

    // The window goes on while the history waits: a data set recorded while another program
    // holds the database is stored once it lets go, and one still open when the window goes is
    // stored before the recorder is gone.
    void recordingNeverHoldsUpTheWindow() {
        DataStore data;
        MainWindowSettings settings;
        frmMain window(data, TemperatureUnit::Celsius, settings, messages);
        auto recorder = std::make_unique<QtHistoryRecorder>(
            window, history::HistorySettings{folder.file("h.sqlite"), true}, messages);
        QSignalSpy answered(recorder.get(), &QtHistoryRecorder::recorded);
        auto holder =
            history::ConnectSqlite(folder.file("h.sqlite"), history::HistoryAccess::ReadWrite);
        holder->query("BEGIN EXCLUSIVE");
        data.currentData = testing::RoundDataSet(3);
        recorder->record("/plant/apr.qmc");
        holder->query("COMMIT");
        QVERIFY(answered.wait(30'000));
        QCOMPARE(answered.at(0).at(0).toBool(), true);
        data.currentData = testing::RoundDataSet(4);
        recorder->record("/plant/may.qmc");
        recorder.reset();
        auto sets = store->dataSets(0, 10);
        QVERIFY(sets);
        QCOMPARE(sets->total, 4LL);
    }

    // A recorder that never answers (a server's table locked by another session) and shrugs off
    // SIGTERM: it is ended at its deadline, and at the window's close after a bounded wait, and
    // the data sets it could not record are told, not dropped.
    void aRecorderThatNeverAnswersIsEndedAndWhatItLostIsTold() {
        QTest::failOnWarning(QRegularExpression("Destroyed while process"));
        std::string stuck = folder.file("stuck-recorder");
        testing::WriteBytes(stuck, "#!/bin/sh\ntrap '' TERM\nexec sleep 600\n");
        std::filesystem::permissions(stuck, std::filesystem::perms::owner_all);
        DataStore data;
        MainWindowSettings settings;
        frmMain window(data, TemperatureUnit::Celsius, settings, messages);
        data.currentData = testing::RoundDataSet(3);
        auto recorder = std::make_unique<QtHistoryRecorder>(
            window, history::HistorySettings{folder.file("h.sqlite"), true}, messages,
            RecorderRun{stuck, std::chrono::milliseconds(300), std::chrono::milliseconds(500)});
        messages.entries.clear();
        QSignalSpy answered(recorder.get(), &QtHistoryRecorder::recorded);
        recorder->record("/plant/apr.qmc");
        QVERIFY(answered.wait(10'000));
        QCOMPARE(answered.at(0).at(0).toBool(), false);
        QVERIFY(recorder->note()->toolTip().contains(QString::fromStdString(stuck)));
        recorder->record("/plant/apr.qmc");
        recorder->record("/plant/may.qmc");
        QElapsedTimer closing;
        closing.start();
        recorder.reset();
        QVERIFY2(closing.elapsed() < 5'000, std::to_string(closing.elapsed()).c_str());
        QCOMPARE(messages.entries.size(), std::size_t(1));
        QCOMPARE(messages.entries[0].text, std::string("履歴に記録できませんでした"));
        QVERIFY(messages.entries[0].detail.starts_with("記録されていないデータ: 2 件 ("));
    }

    void theSettingTurnsRecordingOff() {
        DataStore data;
        MainWindowSettings settings;
        frmMain window(data, TemperatureUnit::Celsius, settings, messages);
        data.currentData = testing::RoundDataSet(4);
        QtHistoryRecorder off(window, {folder.file("h.sqlite"), false}, messages);
        off.record("/plant/may.qmc");
        QVERIFY(off.idle());
        auto tags = store->tags();
        QVERIFY(tags);
        QCOMPARE((*tags)[1].readings, 6);
    }
};

QTEST_MAIN(frmHistoryTest)
#include "frmHistoryTest.moc"
