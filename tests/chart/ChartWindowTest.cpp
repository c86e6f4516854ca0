#include "chart/QtChartSave.h"
#include "chart/QtChartView.h"
#include "chart/SvgWriter.h"
#include "files/TempFolder.h"
#include "session/QtChartPanel.h"
#include "support/DemoData.h"
#include "support/FakeFileDialogs.h"
#include "support/RecordingMessages.h"
#include "window/QtGridTable.h"
#include "window/frmMain.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using namespace vestra;

namespace {

bool hasText(const chart::Drawing& drawing, const std::string& text) {
    for (const chart::Shape& shape : drawing.shapes) {
        if (const auto* t = std::get_if<chart::Text>(&shape); t && t->text == text) {
            return true;
        }
    }
    return false;
}

} // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT

    DataStore store;
    MainWindowSettings settings;
    testing::RecordingMessages messages;
    std::unique_ptr<frmMain> window;
    testing::FakeFileDialogs windowDialogs;
    OutputPlace outputs{"/nowhere-yet/"};

    void open() {
        window = std::make_unique<frmMain>(store, TemperatureUnit::Celsius, settings, messages);
        chart::InstallChart(*window, windowDialogs, outputs, messages);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void openLargeWithDemo() {
        open();
        window->resize(window->width() + 500, window->height() + 200);
        testing::StageDemoImport(store.importBuffer);
        window->commitLoadedData(true);
        QCoreApplication::processEvents();
    }
    chart::QtChartView* chartView() { return window->findChild<chart::QtChartView*>("chartView"); }
    QtGridTable* detail() { return window->findChild<QtGridTable*>("vsfgGrp"); }
    QLineEdit* box(const char* name) { return window->findChild<QLineEdit*>(name); }
    QLabel* note() { return window->findChild<QLabel*>("Note"); }
    // Where reading no of the shown group is drawn, in the chart's coordinates.
    QPoint pointOf(int no) {
        for (const chart::PlottedReading& r : chartView()->readings()) {
            if (r.no == no) {
                return QPoint(static_cast<int>(r.at.x), static_cast<int>(r.at.y));
            }
        }
        qFatal("reading %d not drawn", no);
    }

private slots:
    void init() {
        store = DataStore{};
        settings = MainWindowSettings{};
        messages = testing::RecordingMessages{};
    }
    void cleanup() {
        store.modified = false;
        window.reset();
    }

    void showingAGroupLeavesTheWindowsSizeAlone() {
        open();
        QSize before = window->size();
        testing::StageDemoImport(store.importBuffer);
        window->commitLoadedData(true);
        for (int g : {2, 0, 5}) {
            window->selectNode(g);
            QCoreApplication::processEvents();
            QCOMPARE(window->size(), before);
        }
    }

    void theChartHasNoRoomAtTheSizeThePanelsNeed() {
        open();
        QVERIFY(chartView()->width() < 20);
        QCOMPARE(chartView()->focusPolicy(), Qt::NoFocus);
    }

    // The toggle widens the window for the chart, within the screen, and narrows it back to the
    // panels' own size; a window widened by hand shows the toggle on.
    void theToggleGivesTheChartRoomWithinTheScreenAndTakesItBack() {
        open();
        QSize panels = window->size();
        QAction* toggle = window->findChild<QAction*>("tbrChart");
        QVERIFY(!toggle->isChecked());
        toggle->trigger();
        QCoreApplication::processEvents();
        QVERIFY(toggle->isChecked());
        QVERIFY(window->findChild<QAction*>("mnuChart")->isChecked());
        QVERIFY(chartView()->width() >= 80); // the offscreen screen's 800 pixels allow no more
        QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
        toggle->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(window->size(), panels);
        QVERIFY(!window->findChild<QAction*>("mnuChart")->isChecked());
        window->resize(panels.width() + 300, panels.height());
        QVERIFY(toggle->isChecked());
    }

    void theChartFollowsTheShownNodeAndItsData() {
        openLargeWithDemo();
        QVERIFY(chartView()->width() > 300);
        QCOMPARE(chartView()->focusPolicy(), Qt::TabFocus);
        QVERIFY(hasText(chartView()->drawing(), "ｸﾞﾙｰﾌﾟ2  8件"));
        window->selectNode(2);
        QVERIFY(hasText(chartView()->drawing(), "グループ２  TAG2"));
        QCOMPARE(chartView()->readings().size(), std::size_t{8});
        window->selectNode(7);
        QVERIFY(hasText(chartView()->drawing(), "ﾃﾞｰﾀなし"));
    }

    void clickingAPointMakesItsRowCurrent() {
        openLargeWithDemo();
        window->selectNode(2);
        QTest::mouseClick(chartView(), Qt::LeftButton, {}, pointOf(4));
        QCOMPARE(detail()->currentGridRow(), 4);
        QVERIFY(detail()->hasFocus());
        QCOMPARE(chartView()->selectedReading(), 4);
    }

    void movingInTheTableMarksThePoint() {
        openLargeWithDemo();
        window->selectNode(2);
        detail()->setCurrentGridCell(6, 1);
        QCOMPARE(chartView()->selectedReading(), 6);
        detail()->setCurrentGridCell(12, 1); // a row without a reading
        QCOMPARE(chartView()->selectedReading(), 0);
    }

    void theKeyboardStepsThroughTheReadings() {
        openLargeWithDemo();
        window->selectNode(2);
        chartView()->setFocus();
        const std::pair<Qt::Key, int> keys[] = {{Qt::Key_Right, 1},
                                                {Qt::Key_End, 8},
                                                {Qt::Key_Right, 8},
                                                {Qt::Key_Left, 7},
                                                {Qt::Key_Home, 1}};
        for (auto [key, expected] : keys) {
            QTest::keyClick(chartView(), key);
            QCOMPARE(chartView()->selectedReading(), expected);
            QCOMPARE(detail()->currentGridRow(), expected);
        }
        QVERIFY(chartView()->hasFocus());
    }

    void theOverviewOpensAGroupByPointerOrKeyboard() {
        openLargeWithDemo();
        QTest::mouseClick(chartView(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(store.currentGroup, 1);
        window->selectNode(0);
        chartView()->setFocus();
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Return}) {
            QTest::keyClick(chartView(), key);
        }
        QCOMPARE(store.currentGroup, 2);
    }

    void theWindowOpensWhereItWasAndRemembersItOnClosing() {
        // Within the offscreen screen (800 x 800), so that no fitting changes it.
        settings.placement = WindowPlacement{40, 30, 700, 600};
        open();
        QCOMPARE(window->size(), QSize(700, 600));
        window->resize(760, 700);
        window->close();
        QVERIFY(settings.placement.has_value());
        QCOMPARE(settings.placement->width, 760);
        QCOMPARE(settings.placement->height, 700);
    }

    void aRefusedCharacterBeepsAndIsNamedInTheStatusBar() {
        openLargeWithDemo();
        QLineEdit* subject = box("txtInfo");
        subject->setFocus();
        QTest::keyClicks(subject, QStringLiteral("AB"));
        // A character outside code page 932, as an input method would deliver it.
        QKeyEvent face(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                       QString::fromUtf8("\xF0\x9F\x98\x80"));
        QCoreApplication::sendEvent(subject, &face);
        QCOMPARE(subject->text(), QString("AB"));
        QCOMPARE(messages.beeps, 1);
        QVERIFY(note()->isVisible());
        QCOMPARE(note()->text(), QString::fromUtf8("この文字は入力できません。"));
    }

    void aPasteKeepsItsValidPart() {
        openLargeWithDemo();
        QLineEdit* subject = box("txtInfo");
        subject->setFocus();
        subject->clear();
        QGuiApplication::clipboard()->setText(QString::fromUtf8("炉\xF0\x9F\x98\x80壁"));
        subject->paste();
        QCOMPARE(subject->text(), QString::fromUtf8("炉壁"));
        QCOMPARE(messages.beeps, 1);
    }

    void typingPastTheLimitBeeps() {
        openLargeWithDemo();
        window->selectNode(2);
        QLineEdit* target = box("txtTarget");
        target->setFocus();
        target->setText(QString(20, QChar('x')));
        target->setCursorPosition(20);
        QTest::keyClick(target, Qt::Key_Y);
        QCOMPARE(target->text().size(), 20);
        QCOMPARE(messages.beeps, 1);
        QCOMPARE(note()->text(), QString::fromUtf8("これ以上入力できません。"));
    }

    void savingAsksBeforeReplacingAndWritesAtomically() {
        openLargeWithDemo();
        window->selectNode(2);
        testing::TempFolder folder("vestra-chart-save");
        std::string path = folder.file("chart.svg");
        testing::WriteBytes(path, "old");
        testing::FakeFileDialogs dialogs;
        dialogs.answers = {path, folder.file("other")};
        messages.answers = {false};
        QVERIFY(chart::SaveChartAs(chartView()->drawing(), chart::ChartFormat::Svg, dialogs,
                                   folder.file(""), "", messages));
        QCOMPARE(dialogs.saved.size(), std::size_t{2});
        QCOMPARE(dialogs.saved[1].name, std::string("chart.svg"));
        QCOMPARE(messages.entries.back().text,
                 std::string("chart.svg は既に存在します。\n上書きしますか?"));
        QCOMPARE(testing::ReadBytes(path), std::string("old"));
        QCOMPARE(testing::ReadBytes(folder.file("other.svg")),
                 chart::WriteSvg(chartView()->drawing()));
        QCOMPARE(folder.entryCount(), 2);
    }

    void savingRefusesAnotherExtension() {
        openLargeWithDemo();
        testing::TempFolder folder("vestra-chart-ext");
        testing::FakeFileDialogs dialogs;
        dialogs.answers = {folder.file("chart.jpg")};
        QVERIFY(!chart::SaveChartAs(chartView()->drawing(), chart::ChartFormat::Png, dialogs,
                                    folder.file(""), "", messages));
        QCOMPARE(messages.entries.back().text, std::string("ｻﾎﾟｰﾄされていないﾌｧｲﾙ名です。"));
        QCOMPARE(folder.entryCount(), 0);
    }
};

QTEST_MAIN(ChartWindowTest)
#include "ChartWindowTest.moc"
