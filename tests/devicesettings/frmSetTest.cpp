#include "devicesettings/frmSet.h"

#include "devicesettings/QtUpDownButtons.h"
#include "devicesettings/SettingsLine.h"
#include "devicesettings/frmSetAll.h"
#include "support/FakeConnectionRunner.h"
#include "support/RecordingMessages.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

namespace vestra {

class frmSetTest : public QObject {
    Q_OBJECT

    DataStore store;
    testing::FakeConnectionRunner runner;
    testing::RecordingMessages messages;
    std::vector<CommResult> reported;
    // What the thermometer would have received by the last send.
    std::vector<std::string> sentLines;
    std::unique_ptr<frmSet> dialog;

    void open(TemperatureUnit unit = TemperatureUnit::Celsius) {
        dialog = std::make_unique<frmSet>(store, unit, messages, runner, [this](CommResult result) {
            reported.push_back(result);
        });
        dialog->show();
    }
    QLineEdit* box(const QString& name) const { return dialog->findChild<QLineEdit*>(name); }
    QString text(const QString& name) const { return box(name)->text(); }
    QTabWidget* tabs() const { return dialog->findChild<QTabWidget*>("SSTab"); }
    bool defaultEnabled() const {
        return dialog->findChild<QPushButton*>("cmdDefault")->isEnabled();
    }
    // Label and tags start with the prefix; every high alarm is 300.
    static void fill(DataSet& data, const std::string& prefix, float emissivity, float low) {
        data.deviceLabel = prefix + "LABEL";
        for (int g = 1; g <= kGroupCount; ++g) {
            data.group(g).tag = prefix + std::to_string(g);
            data.group(g).emissivity = emissivity;
            data.group(g).alarmHigh = 300;
            data.group(g).alarmLow = low;
        }
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& entry : messages.entries) {
            out.push_back(entry.text);
        }
        return out;
    }

private slots:
    void init() {
        store = DataStore{};
        runner = testing::FakeConnectionRunner{};
        runner.importArea = &store.importBuffer;
        runner.onRun = [this](ConnectionMode mode) {
            if (mode != ConnectionMode::ModeSendSettings) {
                return;
            }
            sentLines = {"LBL " + store.deviceSettings.label};
            for (int g = 1; g <= kGroupCount; ++g) {
                sentLines.push_back("SET " +
                                    FormatSettingsFields(g, store.deviceSettings.group(g)));
            }
        };
        messages = testing::RecordingMessages{};
        reported.clear();
        sentLines.clear();
    }

    void opensWithTheDefaultsWithoutData() {
        open();
        QCOMPARE(dialog->windowTitle(), QString::fromUtf8("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ 本体機能設定"));
        QCOMPARE(text("txtLabel"), QString("VESTRA"));
        for (int g = 1; g <= kGroupCount; ++g) {
            QCOMPARE(text(QString("txtTag%1").arg(g)),
                     QString("GROUP%1").arg(g, 2, 10, QChar('0')));
            QCOMPARE(text(QString("txtEP%1").arg(g)), QString("0.95"));
            QCOMPARE(text(QString("txtAH%1").arg(g)), QString("500"));
            QCOMPARE(text(QString("txtAL%1").arg(g)), QString("-40"));
        }
        QCOMPARE(store.deviceSettings.group(15).tag, std::string("GROUP15"));
        QVERIFY(!defaultEnabled());
        QCOMPARE(tabs()->tabText(0), QString(" 1"));
        QVERIFY(dialog->findChild<QGroupBox*>("fraTab1")->isEnabled());
        QVERIFY(!dialog->findChild<QGroupBox*>("fraTab2")->isEnabled());
        QCOMPARE(dialog->findChild<QLabel*>("lblUnit1")->text(), QString::fromUtf8("ﾟC"));
    }

    void opensFromTheShownData() {
        store.hasData = true;
        fill(store.currentData, "T", 0.8f, 10);
        store.deviceSettings.label = "OLD";
        open();
        QCOMPARE(text("txtLabel"), QString("TLABEL"));
        QCOMPARE(text("txtTag3"), QString("T3"));
        QCOMPARE(text("txtEP3"), QString("0.80"));
        QCOMPARE(store.deviceSettings.label, std::string("TLABEL"));
        QCOMPARE(store.deviceSettings.group(15).alarmLow, 10.0f);
        QVERIFY(defaultEnabled());
    }

    void arrowsContinueFromTheTypedNumber() {
        open();
        box("txtEP1")->setText("0.50");
        auto* arrows = dialog->findChild<QtUpDownButtons*>("UpDownEP1");
        QTest::mouseClick(arrows->findChild<QToolButton*>("up"), Qt::LeftButton);
        QCOMPARE(text("txtEP1"), QString("0.51"));
        QCOMPARE(store.deviceSettings.group(1).emissivity, 0.51f);
        QCOMPARE(dialog->focusWidget(), box("txtEP1"));
        QCOMPARE(box("txtEP1")->selectedText(), QString("0.51"));

        box("txtEP1")->setText("5");
        dialog->UpDown_Click(1, SettingBox::Emissivity, +1);
        QCOMPARE(text("txtEP1"), QString("0.52"));
        QVERIFY(defaultEnabled());
    }

    void arrowKeysStepAsTheArrowButtons() {
        open();
        const std::pair<Qt::Key, const char*> keys[] = {
            {Qt::Key_Up, "0.96"}, {Qt::Key_Up, "0.97"}, {Qt::Key_Down, "0.96"}};
        for (auto [key, expected] : keys) {
            QTest::keyClick(box("txtEP1"), key);
            QCOMPARE(text("txtEP1"), QString(expected));
        }
        QCOMPARE(store.deviceSettings.group(1).emissivity, 0.96f);
        box("txtAH1")->setText("120");
        QTest::keyClick(box("txtAH1"), Qt::Key_Down);
        QCOMPARE(text("txtAH1"), QString("119"));
    }

    void tabChangeMovesTheEnabledFrame() {
        open();
        box("txtTag1")->setText("OVEN");
        QVERIFY(defaultEnabled());
        QCOMPARE(store.deviceSettings.group(1).tag, std::string("GROUP01"));
        tabs()->setCurrentIndex(3);
        QVERIFY(!dialog->findChild<QGroupBox*>("fraTab1")->isEnabled());
        QVERIFY(dialog->findChild<QGroupBox*>("fraTab4")->isEnabled());
        QVERIFY(!defaultEnabled());
    }

    void faultInGroupSevenShowsItsTab() {
        open();
        box("txtLabel")->setText("LINE");
        box("txtTag6")->setText(" PUMP ");
        box("txtEP7")->setText("abc");
        dialog->cmdSet_Click();
        QCOMPARE(tabs()->currentIndex(), 6);
        QVERIFY(dialog->findChild<QGroupBox*>("fraTab7")->isEnabled());
        QCOMPARE(dialog->focusWidget(), box("txtEP7"));
        QCOMPARE(box("txtEP7")->selectedText(), QString("abc"));
        QCOMPARE(texts(), std::vector<std::string>{"入力に誤りがあります！"});
        QCOMPARE(store.deviceSettings.label, std::string("LINE"));
        QCOMPARE(store.deviceSettings.group(6).tag, std::string("PUMP"));
        QCOMPARE(text("txtTag6"), QString("PUMP"));
        QCOMPARE(runner.portOpenings, 0);
    }

    void readFillsTheEditor() {
        open();
        runner.onRun = [this](ConnectionMode) { fill(store.importBuffer, "D", 1.0f, 0); };
        dialog->cmdGet_Click();
        QCOMPARE(runner.modes, std::vector<ConnectionMode>{ConnectionMode::ModeReadSettings});
        QCOMPARE(text("txtLabel"), QString("DLABEL"));
        QCOMPARE(text("txtEP9"), QString("1.00"));
        QCOMPARE(text("txtAL9"), QString("0"));
        QCOMPARE(store.deviceSettings.group(9).tag, std::string("D9"));
        QVERIFY(defaultEnabled());
        QVERIFY(messages.entries.empty());
    }

    void failedReadChangesNothing() {
        open();
        box("txtTag2")->setText("MINE");
        runner.result = CommResult::ResultNoResponse;
        runner.onRun = [this](ConnectionMode) { store.importBuffer.group(2).tag = "HALF"; };
        dialog->cmdGet_Click();
        QCOMPARE(reported, std::vector<CommResult>{CommResult::ResultNoResponse});
        QCOMPARE(text("txtTag2"), QString("MINE"));
        QCOMPARE(store.deviceSettings.group(2).tag, std::string("GROUP02"));
    }

    void sendTransmitsWhatWasTypedAndCloses() {
        open();
        box("txtEP2")->setText("0.96");
        box("txtAH2")->setText("450");
        box("txtTag3")->setText("  OVEN");
        dialog->cmdSet_Click();
        QCOMPARE(runner.modes, std::vector<ConnectionMode>{ConnectionMode::ModeSendSettings});
        QCOMPARE(sentLines.at(0), std::string("LBL VESTRA"));
        QCOMPARE(sentLines.at(2), std::string("SET 02 GROUP02 0.96 450 -40"));
        QCOMPARE(sentLines.at(3), std::string("SET 03 OVEN 0.95 500 -40"));
        QCOMPARE(texts(), (std::vector<std::string>{
                              "本体の機能設定を実行すると、内部メモリデータが消去されます。\r\n"
                              "よろしいですか?",
                              "本体の設定を完了しました。"}));
        QCOMPARE(messages.entries[1].icon, MessageIcon::Information);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }

    void sendsThatDoNotHappenKeepTheEditor() {
        open();
        box("txtTag1")->setText("OVEN");
        messages.answers = {false};
        dialog->cmdSet_Click();
        QCOMPARE(runner.portOpenings, 0);
        runner.portOpens = false;
        dialog->cmdSet_Click();
        QVERIFY(runner.modes.empty());
        runner.portOpens = true;
        runner.result = CommResult::ResultDeviceNg;
        dialog->cmdSet_Click();
        QCOMPARE(reported, std::vector<CommResult>{CommResult::ResultDeviceNg});
        QCOMPARE(messages.entries.size(), std::size_t{3}); // the three confirmations
        QVERIFY(dialog->isVisible());
        QCOMPARE(text("txtTag1"), QString("OVEN"));
    }

    void listThenSetAsksOnce() {
        open();
        QTimer::singleShot(0, this, [] {
            auto* list = qobject_cast<frmSetAll*>(QApplication::activeModalWidget());
            QVERIFY(list);
            list->cmdCancel_Click();
        });
        dialog->cmdAll_Click();
        QVERIFY(messages.entries.empty());
        QCOMPARE(runner.portOpenings, 0);

        box("txtEP5")->setText("1.5");
        QTimer::singleShot(0, this, [] {
            auto* list = qobject_cast<frmSetAll*>(QApplication::activeModalWidget());
            QVERIFY(list);
            list->cmdSet_Click();
        });
        dialog->cmdAll_Click();
        QCOMPARE(messages.entries.size(), std::size_t{2});
        QCOMPARE(messages.entries[0].icon, MessageIcon::Question);
        QCOMPARE(runner.modes, std::vector<ConnectionMode>{ConnectionMode::ModeSendSettings});
        QCOMPARE(sentLines.at(5), std::string("SET 05 GROUP05 1.50 500 -40"));
    }

    void restoreDefaultsOfTheVisibleGroup() {
        open();
        tabs()->setCurrentIndex(2);
        box("txtTag3")->setText("OVEN");
        box("txtEP3")->setText("0.5");
        messages.answers = {false};
        dialog->cmdDefault_Click();
        QCOMPARE(text("txtTag3"), QString("OVEN"));
        dialog->cmdDefault_Click();
        QCOMPARE(texts(), (std::vector<std::string>{"ﾃﾞﾌｫﾙﾄに戻してもよろしいですか?",
                                                    "ﾃﾞﾌｫﾙﾄに戻してもよろしいですか?"}));
        QCOMPARE(messages.entries[0].icon, MessageIcon::None);
        QCOMPARE(text("txtTag3"), QString("GROUP03"));
        QCOMPARE(text("txtEP3"), QString("0.95"));
        QCOMPARE(store.deviceSettings.group(3).emissivity, 0.95f);
        QCOMPARE(dialog->focusWidget(), box("txtTag3"));
        QVERIFY(!defaultEnabled());
    }
};

} // namespace vestra

QTEST_MAIN(vestra::frmSetTest)
#include "frmSetTest.moc"
