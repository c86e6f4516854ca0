#include "device/frmTime.h"

#include "data/ValueFormat.h"
#include "support/FakeConnectionRunner.h"
#include "support/RecordingMessages.h"

#include <QLineEdit>
#include <QtTest>

namespace vestra {

class frmTimeTest : public QObject {
    Q_OBJECT

    DataStore store;
    testing::FakeConnectionRunner runner;
    testing::RecordingMessages messages;
    std::vector<CommResult> reported;
    std::unique_ptr<frmTime> dialog;

    QStringList boxes() const {
        QStringList texts;
        for (int i = 0; i < 6; ++i) {
            texts << dialog->findChild<QLineEdit*>(QString("txtTime%1").arg(i))->text();
        }
        return texts;
    }
    void type(const QStringList& texts) {
        for (int i = 0; i < 6; ++i) {
            dialog->findChild<QLineEdit*>(QString("txtTime%1").arg(i))->setText(texts[i]);
        }
    }

private slots:
    void init() {
        store = DataStore{};
        runner = testing::FakeConnectionRunner{};
        runner.importArea = &store.importBuffer;
        messages = testing::RecordingMessages{};
        reported.clear();
        dialog = std::make_unique<frmTime>(
            runner, messages, [this](CommResult result) { reported.push_back(result); },
            DateTime{2008, 5, 2, 9, 3, 7});
        dialog->show();
    }

    void opensWithThePresentTime() {
        QCOMPARE(dialog->windowTitle(), QString::fromUtf8("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ 本体時計設定"));
        QCOMPARE(boxes(), (QStringList{"2008", "5", "2", "9", "3", "7"}));
    }

    void readShowsTheThermometersClockAndDisablesMeanwhile() {
        bool enabledWhileRunning = true;
        runner.onRun = [&](ConnectionMode) {
            enabledWhileRunning = dialog->isEnabled();
            store.importBuffer.importedAt = DateTime{2010, 11, 30, 23, 0, 5};
        };
        dialog->cmdRead_Click();
        QCOMPARE(runner.modes, std::vector<ConnectionMode>{ConnectionMode::ModeReadClock});
        QVERIFY(!enabledWhileRunning);
        QVERIFY(dialog->isEnabled());
        QCOMPARE(boxes(), (QStringList{"2010", "11", "30", "23", "0", "5"}));
        QVERIFY(messages.entries.empty());
    }

    void failedReadReportsAndKeepsTheBoxes() {
        runner.result = CommResult::ResultNoResponse;
        dialog->cmdRead_Click();
        QCOMPARE(reported, std::vector<CommResult>{CommResult::ResultNoResponse});
        QCOMPARE(boxes(), (QStringList{"2008", "5", "2", "9", "3", "7"}));
        QVERIFY(dialog->isEnabled());
    }

    void unusablePortRunsNothing() {
        runner.portOpens = false;
        dialog->cmdRead_Click();
        dialog->cmdOK_Click();
        QCOMPARE(runner.portOpenings, 2);
        QVERIFY(runner.modes.empty());
        QVERIFY(reported.empty());
        QVERIFY(dialog->isVisible());
    }

    void setSendsTheBoxesAndCloses() {
        runner.onRun = [&](ConnectionMode) {
            store.importBuffer.importedAt = DateTime{2008, 5, 12, 13, 45, 7};
        };
        dialog->cmdRead_Click();
        runner.onRun = nullptr;
        dialog->cmdOK_Click();
        QCOMPARE(runner.modes.back(), ConnectionMode::ModeSetClock);
        // The month shown as 5 goes out padded.
        QCOMPARE(FormatTimestampSeconds(runner.clocks.back()), std::string("2008/05/12 13:45:07"));
        QCOMPARE(messages.entries.size(), std::size_t{1});
        QCOMPARE(messages.entries[0].text, std::string("本体時計の設定を完了しました。"));
        QCOMPARE(messages.entries[0].icon, MessageIcon::Information);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }

    void enterInABoxSetsTheClock() {
        QTest::keyClick(dialog->findChild<QLineEdit*>("txtTime4"), Qt::Key_Return);
        QCOMPARE(runner.modes, std::vector<ConnectionMode>{ConnectionMode::ModeSetClock});
        QVERIFY(!dialog->isVisible());
    }

    void wrongInputIsRefusedBeforeAnyConnection() {
        QStringList texts{"08", "5", "12", "13", "45", "7"};
        type(texts);
        dialog->cmdOK_Click();
        QCOMPARE(messages.entries.size(), std::size_t{1});
        QCOMPARE(messages.entries[0].text, std::string("入力に誤りがあります！"));
        QCOMPARE(boxes(), texts);
        QCOMPARE(runner.portOpenings, 0);
        QVERIFY(dialog->isVisible());
    }

    void failedSetStaysOpenForAnotherTry() {
        type({"2079", "12", "31", "23", "59", "59"});
        runner.result = CommResult::ResultBatteryAlarm;
        dialog->cmdOK_Click();
        QCOMPARE(reported, std::vector<CommResult>{CommResult::ResultBatteryAlarm});
        QCOMPARE(runner.clocks.back(), (DateTime{2079, 12, 31, 23, 59, 59}));
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->isEnabled());
        QCOMPARE(boxes(), (QStringList{"2079", "12", "31", "23", "59", "59"}));
        QVERIFY(messages.entries.empty());
    }
};

} // namespace vestra

QTEST_MAIN(vestra::frmTimeTest)
#include "frmTimeTest.moc"
