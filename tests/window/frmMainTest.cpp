#include "window/frmMain.h"

#include "../support/DemoData.h"
#include "../support/RecordingMessages.h"
#include "window/QtGridTable.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using namespace vestra;

namespace {

QString repeat(const QString& s, int n) {
    return s.repeated(n);
}

// Menu contents as captions, separators as "-".
QStringList captionsOf(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions) {
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    return out;
}

} // namespace

class frmMainTest : public QObject {
    Q_OBJECT

private:
    DataStore store;
    MainWindowSettings settings;
    testing::RecordingMessages messages;
    std::unique_ptr<frmMain> window;

    void open(TemperatureUnit unit = TemperatureUnit::Celsius) {
        window = std::make_unique<frmMain>(store, unit, settings, messages);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void importDemo() {
        testing::StageDemoImport(store.importBuffer);
        window->commitLoadedData(true);
    }
    template <class T> T* find(const char* name) {
        T* w = window->findChild<T*>(QString::fromUtf8(name));
        if (!w) {
            qFatal("no child %s", name);
        }
        return w;
    }
    QString text(const char* label) { return find<QLabel>(label)->text(); }
    QString box(const char* name) { return find<QLineEdit>(name)->text(); }
    QtGridTable* summary() { return find<QtGridTable>("vsfgAll"); }
    QtGridTable* detail() { return find<QtGridTable>("vsfgGrp"); }
    QAction* action(const char* name) { return find<QAction>(name); }
    QString lastMessage() {
        return messages.entries.empty() ? QString()
                                        : QString::fromStdString(messages.entries.back().text);
    }
    void openRemarkAt(int row) {
        detail()->setCurrentGridCell(row, 1);
        QTest::keyClick(detail(), Qt::Key_Return);
    }

private slots:
    void init() {
        store = DataStore{};
        settings = MainWindowSettings{};
        settings.portNumber = 3;
        messages = testing::RecordingMessages{};
    }
    void cleanup() {
        store.modified = false; // so closing asks nothing
        window.reset();
    }

    void startsEmptyInTheOverview() {
        open();
        QCOMPARE(window->windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ"));
        QCOMPARE(text("Port"), QStringLiteral("ﾎﾟｰﾄ:COM3"));
        QVERIFY(action("mnuCommPort2")->isChecked());
        QVERIFY(!action("mnuCommPort0")->isChecked());
        for (const char* name : {"mnuSave", "mnuPrint", "tbrSave", "tbrPrint"}) {
            QVERIFY2(!action(name)->isEnabled(), name);
        }
        QVERIFY(action("mnuOpen")->isEnabled());
        QVERIFY(action("mnuChangeDI")->isChecked());
        QVERIFY(find<QGroupBox>("fraAll")->isVisible());
        QVERIFY(!find<QGroupBox>("fraGrp")->isVisible());
        QVERIFY(!find<QGroupBox>("fraAll")->isEnabled());
        QVERIFY(!find<QLineEdit>("txtEdit")->isVisible());
        QCOMPARE(box("txtInfo"), QStringLiteral("件名なし"));
        QCOMPARE(text("lblVESTRA1"), QStringLiteral("なし"));
        QVERIFY(QRegularExpression(R"(^\d{4}/\d\d/\d\d \d\d:\d\d:\d\d$)")
                    .match(text("lblTime1"))
                    .hasMatch());
        QCOMPARE(text("Memory"), QString());
        QCOMPARE(text("lblUnit1"), QStringLiteral("ﾟC"));
        for (int r = 1; r <= 15; ++r) {
            QCOMPARE(summary()->gridText(r, 0), QString::number(r));
            QCOMPARE(summary()->gridText(r, 1), QStringLiteral("なし"));
            QCOMPARE(summary()->gridText(r, 2), QStringLiteral("0"));
            QCOMPARE(summary()->gridText(r, 3), QString());
        }
        QCOMPARE(summary()->horizontalHeaderItem(5)->text(), QStringLiteral("最大値(ﾟC)"));
        QCOMPARE(summary()->currentGridRow(), 1);
        QCOMPARE(summary()->currentColumn(), 1);
        QVERIFY(messages.entries.empty());
    }

    void treeHasTheRootAndFifteenGroupsAndStaysOpen() {
        open();
        auto* tree = find<QTreeWidget>("tvwGroup");
        QTreeWidgetItem* root = tree->topLevelItem(0);
        QCOMPARE(root->text(0), QStringLiteral("VESTRA"));
        QCOMPARE(root->childCount(), 15);
        QCOMPARE(root->child(0)->text(0), QStringLiteral("ｸﾞﾙｰﾌﾟ1"));
        QCOMPARE(root->child(14)->text(0), QStringLiteral("ｸﾞﾙｰﾌﾟ15"));
        tree->collapseItem(root);
        QVERIFY(root->isExpanded());
    }

    void menusHaveTheirCaptionsOrderAndShortcuts() {
        open();
        QCOMPARE(captionsOf(window->menuBar()->actions()),
                 QStringList({"ﾌｧｲﾙ(&F)", "通信(&C)", "ﾟC/ﾟF切換(&M)", "登録(&R)", "ﾍﾙﾌﾟ(&H)"}));
        QCOMPARE(captionsOf(find<QMenu>("mnuFile")->actions()),
                 QStringList({"開く(&O)", "保存(&S)", "-", "印刷(&P)", "-", "終了(&X)"}));
        QCOMPARE(captionsOf(find<QMenu>("mnuComm")->actions()),
                 QStringList({"ﾃﾞｰﾀの取込(&D)", "-", "本体時計設定(&T)", "本体機能設定(&F)", "-",
                              "本体ﾒﾓﾘ消去(&C)", "本体ﾘｾｯﾄ(&R)", "-", "通信ﾎﾟｰﾄの選択(&S)"}));
        QStringList ports = captionsOf(find<QMenu>("mnuCommSel")->actions());
        QCOMPARE(ports.size(), 16);
        QCOMPARE(ports.front(), QStringLiteral("通信ﾎﾟｰﾄ(COM1)"));
        QCOMPARE(ports.back(), QStringLiteral("通信ﾎﾟｰﾄ(COM16)"));
        QCOMPARE(
            captionsOf(find<QMenu>("mnuEdit")->actions()),
            QStringList({"件名(&I)", "対象物(&T)", "測定者(&N)", "-", "履歴(&Y)", "ｸﾞﾗﾌ表示(&G)"}));
        QCOMPARE(captionsOf(find<QMenu>("mnuHelp")->actions()),
                 QStringList({"処理ｿﾌﾄ ﾍﾙﾌﾟ", "-", "ﾊﾞｰｼﾞｮﾝ情報(&A)"}));
        QCOMPARE(action("mnuOpen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(action("mnuSave")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(action("mnuPrint")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(action("mnuData")->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
        QCOMPARE(action("mnuHelpApp")->shortcut(), QKeySequence(QStringLiteral("F1")));
        QCOMPARE(action("mnuChart")->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
        QStringList buttons;
        for (const char* key : {"tbrOpen", "tbrSave", "tbrPrint", "tbrData"}) {
            buttons << action(key)->text();
            QVERIFY(!action(key)->icon().isNull());
        }
        QCOMPARE(buttons, QStringList({"開く", "保存", "印刷", "ﾃﾞｰﾀの取り込み"}));
    }

    void notSupportedItemsOnlyShowTheirMessage() {
        open();
        for (const char* name : {"mnuEditInfo", "mnuEditTarget", "mnuEditName"}) {
            action(name)->trigger();
            QCOMPARE(lastMessage(),
                     QStringLiteral("デバッグ中です！\r\nまだその機能はサポートされていません。"));
            QCOMPARE(messages.entries.back().icon, MessageIcon::Critical);
        }
        QCOMPARE(messages.entries.size(), std::size_t{3});
        QVERIFY(!store.modified);
    }

    void typeQuestionSettingHidesTheUnitMenuAndToggles() {
        settings.askModelType = true;
        open();
        QVERIFY(!find<QMenu>("mnuChange")->menuAction()->isVisible());
        QVERIFY(!action("mnuChangeDI")->isChecked());
        window->mnuChangeDI_Click();
        QVERIFY(!settings.askModelType);
        QVERIFY(action("mnuChangeDI")->isChecked());
        window->mnuChangeDI_Click();
        QVERIFY(settings.askModelType);
        QVERIFY(!action("mnuChangeDI")->isChecked());
    }

    void portChoiceChecksOneItemAndAnnouncesIt() {
        open();
        QSignalSpy chosen(window.get(), &frmMain::portChosen);
        action("mnuCommPort15")->trigger();
        QCOMPARE(text("Port"), QStringLiteral("ﾎﾟｰﾄ:COM16"));
        QCOMPARE(window->portNumber(), 16);
        QCOMPARE(settings.portNumber, 16);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.front().front().toInt(), 16);
        int checked = 0;
        for (int i = 0; i < 16; ++i) {
            checked += action(QStringLiteral("mnuCommPort%1").arg(i).toUtf8())->isChecked();
        }
        QCOMPARE(checked, 1);
    }

    void overviewShowsEveryGroupAfterAnImport() {
        open();
        importDemo();
        QVERIFY(find<QGroupBox>("fraAll")->isEnabled());
        QCOMPARE(box("txtInfo"), QString());
        QCOMPARE(text("lblVESTRA1"), QStringLiteral("LINE-A"));
        QCOMPARE(text("lblTime1"), QStringLiteral("2008/03/01 09:05:07"));
        QCOMPARE(text("Memory"), QStringLiteral("本体から取り込まれたﾃﾞｰﾀは、全部で 12件です。"));
        const QStringList rowOne = {"1",    "TAG1", "3", "2008/02/27 08:00", "2008/02/27 08:20",
                                    "22.4", "21.5"};
        const QStringList rowTwo = {"2",    "TAG2", "8", "2008/02/28 14:10", "2008/02/28 15:20",
                                    "41.2", "-3.4"};
        const QStringList rowFive = {"5",    "TAG5", "1", "2000/12/31 15:00", "2000/12/31 15:00",
                                     "23.0", "23.0"};
        const QStringList rowNine = {"9", "TAG9", "0", "", "", "", ""};
        for (int c = 0; c < 7; ++c) {
            QCOMPARE(summary()->gridText(1, c), rowOne[c]);
            QCOMPARE(summary()->gridText(2, c), rowTwo[c]);
            QCOMPARE(summary()->gridText(5, c), rowFive[c]);
            QCOMPARE(summary()->gridText(9, c), rowNine[c]);
        }
    }

    void groupShowsReadingsWithAlarmMarksAtAndAcrossTheLimits() {
        open();
        importDemo();
        window->selectNode(2);
        QVERIFY(find<QGroupBox>("fraGrp")->isVisible());
        QVERIFY(!find<QGroupBox>("fraAll")->isVisible());
        QCOMPARE(find<QGroupBox>("fraGrp")->title(), QStringLiteral("グループ２"));
        QCOMPARE(store.currentGroup, 2);
        // The hidden overview was cleared.
        QCOMPARE(box("txtInfo"), QString());
        QCOMPARE(summary()->gridText(1, 1), QString());
        QCOMPARE(text("lblTag1"), QStringLiteral("TAG2"));
        QCOMPARE(text("lblEP1"), QStringLiteral("0.95 "));
        QCOMPARE(text("lblArmH1"), QStringLiteral(" 30.0ﾟC"));
        QCOMPARE(text("lblArmL1"), QStringLiteral(" 10.0ﾟC"));
        QCOMPARE(text("lblNum1"), QStringLiteral("  8"));
        QCOMPARE(text("lblMax1"), QStringLiteral("2008/02/28 15:10   41.2ﾟC"));
        QCOMPARE(text("lblMin1"), QStringLiteral("2008/02/28 15:20   -3.4ﾟC"));
        QCOMPARE(text("lblAve1"), QStringLiteral(" 20.8ﾟC"));
        QCOMPARE(text("Memory"), QStringLiteral(" 8件のﾃﾞｰﾀがあります。"));
        QCOMPARE(detail()->gridRowCount(), 16);
        const char* values[] = {"30.0", "30.1", "10.0", "9.9", "23.0", "25.5", "41.2", "-3.4"};
        const char* marks[] = {"", "  high", "", "  low", "", "", "  high", "  low"};
        for (int k = 1; k <= 8; ++k) {
            QCOMPARE(detail()->gridText(k, 0), QString::number(k));
            QCOMPARE(detail()->gridText(k, 2), QString::fromUtf8(values[k - 1]));
            QCOMPARE(detail()->gridText(k, 3), QString::fromUtf8(marks[k - 1]));
        }
        QCOMPARE(detail()->gridText(1, 1), QStringLiteral("2008/02/28 14:10"));
        QCOMPARE(detail()->item(1, 3)->foreground().color(), QColor(255, 0, 0));
        QCOMPARE(detail()->item(3, 3)->foreground().color(), QColor(0, 0, 255));
        QCOMPARE(detail()->item(0, 3)->foreground().style(), Qt::NoBrush);
        QCOMPARE(detail()->gridText(9, 0), QStringLiteral("9"));
        QCOMPARE(detail()->gridText(9, 1), QString());
        QCOMPARE(detail()->horizontalHeaderItem(2)->text(), QStringLiteral("データ(ﾟC)"));
        QCOMPARE(detail()->horizontalHeaderItem(3)->text(), QStringLiteral("　警報"));
    }

    void emptyGroupShowsPlaceholdersThatAreNeverStored() {
        open();
        importDemo();
        store.modified = false;
        window->selectNode(3);
        QVERIFY(!find<QGroupBox>("fraGrp")->isEnabled());
        QCOMPARE(box("txtTarget"), QStringLiteral("対象物なし"));
        QCOMPARE(box("txtName"), QStringLiteral("測定者なし"));
        QCOMPARE(text("lblMax1"), QStringLiteral(" --.-ﾟC"));
        QCOMPARE(text("Memory"), QStringLiteral("ﾃﾞｰﾀはありません。"));
        window->commitPendingEdits();
        QCOMPARE(store.currentData.group(3).target, std::string());
        QCOMPARE(store.currentData.group(3).measurer, std::string());
        QVERIFY(!store.modified);
        window->selectNode(0);
        QCOMPARE(box("txtInfo"), QString()); // the imported data has an empty subject
    }

    void placeholderSubjectBeforeDataIsNotStored() {
        open();
        window->commitPendingEdits();
        QCOMPARE(store.currentData.subject, std::string());
        QVERIFY(!store.modified);
    }

    void subjectCommitCutsFullWidthTextToFortyBytes() {
        open();
        importDemo();
        store.modified = false;
        auto* subject = find<QLineEdit>("txtInfo");
        QTest::keyClick(subject, Qt::Key_Return);
        QVERIFY(!store.modified); // unchanged text
        subject->setText(repeat(QStringLiteral("あ"), 40));
        QTest::keyClick(subject, Qt::Key_Return);
        QCOMPARE(subject->text(), repeat(QStringLiteral("あ"), 20));
        QCOMPARE(QString::fromStdString(store.currentData.subject),
                 repeat(QStringLiteral("あ"), 20));
        QVERIFY(store.modified);
        subject->setText(repeat(QStringLiteral("a"), 40));
        QTest::keyClick(subject, Qt::Key_Enter);
        QCOMPARE(store.currentData.subject, std::string(40, 'a'));
        QCOMPARE(subject->maxLength(), 40);
    }

    void escapeRestoresTheStoredText() {
        open();
        importDemo();
        window->selectNode(2);
        auto* target = find<QLineEdit>("txtTarget");
        target->setText(QStringLiteral("2号炉"));
        QTest::keyClick(target, Qt::Key_Return);
        target->setText(QStringLiteral("別の炉"));
        QTest::keyClick(target, Qt::Key_Escape);
        QCOMPARE(target->text(), QStringLiteral("2号炉"));
        QCOMPARE(store.currentData.group(2).target, std::string("2号炉"));
        auto* name = find<QLineEdit>("txtName");
        QCOMPARE(name->maxLength(), 20);
        name->setText(repeat(QStringLiteral("測"), 15));
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(QString::fromStdString(store.currentData.group(2).measurer),
                 repeat(QStringLiteral("測"), 10));
        name->setText(QStringLiteral("x"));
        QTest::keyClick(name, Qt::Key_Escape);
        QCOMPARE(name->text(), repeat(QStringLiteral("測"), 10));
    }

    void subjectIsNotStoredWhileAGroupIsShown() {
        open();
        importDemo();
        window->selectNode(2);
        find<QLineEdit>("txtInfo")->setText(QStringLiteral("stale"));
        window->commitPendingEdits();
        QCOMPARE(store.currentData.subject, std::string());
    }

    void charactersOutsideCodePage932AreRefused() {
        open();
        importDemo();
        auto* subject = find<QLineEdit>("txtInfo");
        subject->setText(QStringLiteral("温度"));
        subject->setCursorPosition(2);
        subject->insert(QStringLiteral("😀"));
        QCOMPARE(subject->text(), QStringLiteral("温度"));
        subject->insert(QStringLiteral("①ﾃ"));
        QCOMPARE(subject->text(), QStringLiteral("温度①ﾃ"));
        QVERIFY(find<QLineEdit>("txtEdit")->validator() != nullptr);
    }

    void remarkEditorCommitsOnEnterAndCutsToItsLimit() {
        open();
        importDemo();
        window->selectNode(2);
        store.modified = false;
        openRemarkAt(3);
        auto* editor = find<QLineEdit>("txtEdit");
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->geometry(), detail()->gridCellRect(3, 4));
        QCOMPARE(detail()->currentColumn(), 4);
        QCOMPARE(editor->maxLength(), 36);
        editor->setText(repeat(QStringLiteral("備"), 20));
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(!editor->isVisible());
        QCOMPARE(detail()->gridText(3, 4), repeat(QStringLiteral("備"), 18));
        QCOMPARE(QString::fromStdString(store.currentData.group(2).remarks[2]),
                 repeat(QStringLiteral("備"), 18));
        QVERIFY(store.modified);
        // Opening it again shows the stored remark.
        openRemarkAt(3);
        QCOMPARE(editor->text(), repeat(QStringLiteral("備"), 18));
        QTest::keyClick(editor, Qt::Key_Return);
    }

    void remarkEscapeKeepsTheOldText() {
        open();
        importDemo();
        window->selectNode(2);
        store.modified = false;
        openRemarkAt(1);
        auto* editor = find<QLineEdit>("txtEdit");
        editor->setText(QStringLiteral("discard me"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(!editor->isVisible());
        QCOMPARE(detail()->gridText(1, 4), QString());
        QCOMPARE(store.currentData.group(2).remarks[0], std::string());
        QVERIFY(!store.modified);
        window->commitPendingEdits(); // the cancelled text must not come back later
        QCOMPARE(store.currentData.group(2).remarks[0], std::string());
    }

    void remarkArrowsCommitAndMoveWithinTheTable() {
        open();
        importDemo();
        window->selectNode(2);
        openRemarkAt(1);
        auto* editor = find<QLineEdit>("txtEdit");
        editor->setText(QStringLiteral("first"));
        QTest::keyClick(editor, Qt::Key_Up);
        QCOMPARE(detail()->currentGridRow(), 1);
        QCOMPARE(store.currentData.group(2).remarks[0], std::string("first"));
        openRemarkAt(8);
        editor->setText(QStringLiteral("last reading"));
        QTest::keyClick(editor, Qt::Key_Down);
        QCOMPARE(detail()->currentGridRow(), 9);
        QCOMPARE(store.currentData.group(2).remarks[7], std::string("last reading"));
        QVERIFY(!editor->isVisible());
    }

    void downArrowOnTheLastRowStaysThere() {
        open();
        GroupSetting& g = store.importBuffer.group(4);
        for (int k = 0; k < 20; ++k) {
            g.recordValues.push_back(20.0f + static_cast<float>(k));
            g.recordTimes.push_back({2008, 1, 1, 0, k, 0});
        }
        g.recordCount = 20;
        window->commitLoadedData(true);
        window->selectNode(4);
        QCOMPARE(detail()->gridRowCount(), 21);
        QCOMPARE(detail()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        openRemarkAt(20);
        auto* editor = find<QLineEdit>("txtEdit");
        editor->setText(QStringLiteral("end"));
        QTest::keyClick(editor, Qt::Key_Down);
        QCOMPARE(detail()->currentGridRow(), 20);
        QCOMPARE(store.currentData.group(4).remarks[19], std::string("end"));
        window->selectNode(2); // a shorter group drops the extra rows
        QCOMPARE(detail()->gridRowCount(), 16);
        QCOMPARE(detail()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void remarkInARowWithoutReadingIsRefused() {
        open();
        importDemo();
        window->selectNode(2);
        detail()->setCurrentGridCell(10, 1);
        QRect cell = detail()->gridCellRect(10, 2);
        QTest::mousePress(detail()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(detail()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(lastMessage(), QStringLiteral("データ無しの備考欄は、入力は出来ません。"));
        QCOMPARE(messages.entries.back().icon, MessageIcon::Information);
        QVERIFY(!find<QLineEdit>("txtEdit")->isVisible());
    }

    void remarkEditEndedByTheTreeIsStoredFirst() {
        open();
        importDemo();
        window->selectNode(2);
        openRemarkAt(2);
        find<QLineEdit>("txtEdit")->setText(QStringLiteral("kept"));
        window->selectNode(5);
        QCOMPARE(store.currentData.group(2).remarks[1], std::string("kept"));
        QCOMPARE(store.currentGroup, 5);
        QVERIFY(!find<QLineEdit>("txtEdit")->isVisible());
    }

    void commandsStoreEditsThenAnnounceThemselves() {
        open();
        importDemo();
        store.modified = false;
        QSignalSpy imports(window.get(), &frmMain::importRequested);
        QSignalSpy saves(window.get(), &frmMain::saveRequested);
        find<QLineEdit>("txtInfo")->setText(QStringLiteral("typed, not entered"));
        action("tbrData")->trigger();
        QCOMPARE(imports.size(), 1);
        QCOMPARE(store.currentData.subject, std::string("typed, not entered"));
        QVERIFY(store.modified);
        action("mnuSave")->trigger();
        QCOMPARE(saves.size(), 1);
        const std::pair<const char*, void (frmMain::*)()> others[] = {
            {"mnuOpen", &frmMain::openRequested},
            {"tbrPrint", &frmMain::printRequested},
            {"mnuTime", &frmMain::clockRequested},
            {"mnuFunc", &frmMain::settingsRequested},
            {"mnuClear", &frmMain::clearMemoryRequested},
            {"mnuReset", &frmMain::resetDeviceRequested},
            {"mnuHelpApp", &frmMain::helpRequested},
            {"mnuVersion", &frmMain::aboutRequested}};
        for (auto [name, signal] : others) {
            QSignalSpy spy(window.get(), signal);
            action(name)->trigger();
            QVERIFY2(spy.size() == 1, name);
        }
    }

    void importRefreshesTheSelectedNodeAndEnablesSaveAndPrint() {
        open();
        window->selectNode(2);
        QCOMPARE(text("lblTag1"), QStringLiteral("なし"));
        importDemo();
        QCOMPARE(store.currentGroup, 2);
        QCOMPARE(text("lblTag1"), QStringLiteral("TAG2"));
        QCOMPARE(detail()->gridText(8, 2), QStringLiteral("-3.4"));
        QVERIFY(store.hasData);
        QVERIFY(store.modified);
        for (const char* name : {"mnuSave", "mnuPrint", "tbrSave", "tbrPrint"}) {
            QVERIFY2(action(name)->isEnabled(), name);
        }
        QVERIFY(store.importBuffer.group(2).recordValues.empty());
        // A file open refreshes the same way but counts as saved and keeps annotations.
        testing::StageDemoImport(store.importBuffer);
        store.importBuffer.group(2).target = "from file";
        store.importBuffer.group(2).remarks.assign(8, "r");
        window->commitLoadedData(false);
        QVERIFY(!store.modified);
        QCOMPARE(box("txtTarget"), QStringLiteral("from file"));
        QCOMPARE(detail()->gridText(1, 4), QStringLiteral("r"));
    }

    void unsavedDataQuestions() {
        open();
        QVERIFY(window->confirmDiscardUnsaved());
        QVERIFY(messages.entries.empty());
        importDemo();
        messages.answers = {false};
        QVERIFY(!window->confirmDiscardUnsaved());
        QCOMPARE(lastMessage(), QStringLiteral("現在のﾃﾞｰﾀは保存されていませんがよろしいですか?"));
    }

    void closingRightAfterStartAsksNothing() {
        open();
        QVERIFY(window->close());
        QVERIFY(messages.entries.empty());
    }

    void closingWithUnsavedDataAsksAndNoKeepsTheWindow() {
        open();
        importDemo();
        messages.answers = {false};
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(lastMessage(), QStringLiteral("現在のﾃﾞｰﾀは保存されていませんが終了しますか?"));
        QCOMPARE(messages.entries.back().icon, MessageIcon::Question);
        QVERIFY(store.modified);
        QVERIFY(store.hasData);
        messages.answers = {true};
        action("mnuExit")->trigger();
        QVERIFY(!window->isVisible());
        QCOMPARE(messages.entries.size(), std::size_t{2});
    }

    void closingStoresTheEditInProgressFirst() {
        open();
        importDemo();
        store.modified = false; // as after a save
        find<QLineEdit>("txtInfo")->setText(QStringLiteral("late edit"));
        messages.answers = {false};
        QVERIFY(!window->close());
        QCOMPARE(store.currentData.subject, std::string("late edit"));
        QCOMPARE(lastMessage(), QStringLiteral("現在のﾃﾞｰﾀは保存されていませんが終了しますか?"));
    }

    void fahrenheitHeadingsAndUnit() {
        open(TemperatureUnit::Fahrenheit);
        QCOMPARE(text("lblUnit1"), QStringLiteral("ﾟF"));
        QCOMPARE(summary()->horizontalHeaderItem(5)->text(), QStringLiteral("最大値(ﾟF)"));
        QCOMPARE(summary()->horizontalHeaderItem(6)->text(), QStringLiteral("最小値(ﾟF)"));
        window->selectNode(1);
        QCOMPARE(detail()->horizontalHeaderItem(2)->text(), QStringLiteral("データ(ﾟF)"));
        QCOMPARE(text("lblArmH1"), QStringLiteral(" --.-ﾟF"));
    }

    void tablesAreSizedFromTheirTwips() {
        open();
        double dpi = summary()->logicalDpiX();
        QCOMPARE(summary()->columnWidth(3), qRound(1650 * dpi / 1440));
        QCOMPARE(detail()->columnWidth(4), qRound(3525 * dpi / 1440));
        // Headings plus 15 rows, no scrolling.
        QCOMPARE(summary()->horizontalHeader()->height(), summary()->rowHeight(0));
        QCOMPARE(summary()->height(), 16 * summary()->rowHeight(0) + 2 * summary()->frameWidth());
        QCOMPARE(summary()->verticalScrollBar()->maximum(), 0);
        QCOMPARE(summary()->width(),
                 summary()->horizontalHeader()->length() + 2 * summary()->frameWidth());
    }
};

QTEST_MAIN(frmMainTest)
#include "frmMainTest.moc"
