#include "print/PdfText.h"
#include "print/PrintCommand.h"
#include "print/ReportSample.h"
#include "print/frmPrint.h"
#include "print/frmPrnMenu.h"
#include "print/frmPrnSet.h"
#include "support/RecordingMessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace vestra {
namespace {

// A data set with readings in groups 1 and 3 only, and a printer that writes a PDF file.
struct Bench {
    Bench() : printer(QPrinter::HighResolution) {
        using testing::SampleTime;
        store =
            testing::SampleStore({{{SampleTime(0), 22.5f, ""}}, {}, {{SampleTime(1), 40.f, ""}}});
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("out.pdf")));
    }
    PrintJob job() { return {store.currentData, "ﾟF", settings, printer, messages}; }
    bool printed() const { return QFile::exists(printer.outputFileName()); }

    QTemporaryDir dir;
    DataStore store;
    PrintSettings settings;
    QPrinter printer;
    testing::RecordingMessages messages;
};

template <typename T> T* child(QWidget& w, const QString& name) {
    T* found = w.findChild<T*>(name);
    if (!found) {
        qFatal("no control %s", qPrintable(name));
    }
    return found;
}

std::vector<ReportPage> numberedPages(int pages, int lines) {
    std::vector<ReportPage> out;
    for (int p = 1; p <= pages; ++p) {
        out.push_back({p, {}});
        for (int i = 1; i <= lines; ++i) {
            out.back().lines.push_back("p" + std::to_string(p) + " l" + std::to_string(i));
        }
    }
    return out;
}

// Runs the progress window and acts once, as soon as it has printed the given number of lines.
void runActingAt(frmPrint& progress, int lines, const std::function<void()>& act) {
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (progress.linesPrinted() >= lines) {
            watcher.stop();
            act();
        }
    });
    watcher.start(0);
    progress.exec();
}

} // namespace

class PrintWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void printCommandNeedsAPrinter();
    void progressWindowPrintsEveryPageAndCannotBeClosed();
    void cancelAbortsAndClosesTheProgressWindow();
    void printMenuKeepsTheChoicesAndPrintsThem();
    void pageTooSmallClosesTheMenuWithoutPrinting();
    void detailedSettingsShowTheSwitchesAndGroups();
    void menuHandsOverToTheDetailedSettingsAndCloses();
};

void PrintWindowsTest::printCommandNeedsAPrinter() {
    Bench b;
    b.printer.setOutputFileName(QString()); // neither a device nor a file: nowhere to print
    RunPrintCommand(nullptr, b.store, "ﾟC", b.settings, b.printer, b.messages);
    QCOMPARE(b.messages.entries.size(), std::size_t{1});
    QCOMPARE(b.messages.entries[0].text,
             std::string("プリントエラーです。ご使用のプリンタ設定を確認してください"));
    QCOMPARE(b.messages.entries[0].icon, MessageIcon::Exclamation);
}

void PrintWindowsTest::progressWindowPrintsEveryPageAndCannotBeClosed() {
    Bench b;
    frmPrint progress(b.printer, numberedPages(3, 4), b.messages);
    QCOMPARE(progress.windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ 印刷"));
    QVERIFY(!(progress.windowFlags() & Qt::WindowCloseButtonHint));
    runActingAt(progress, 1, [&] { progress.close(); });
    QCOMPARE(progress.outcome(), frmPrint::Outcome::Completed);
    QCOMPARE(progress.linesPrinted(), 12);
    auto pages = testing::PdfPages(b.printer.outputFileName());
    QCOMPARE(pages.size(), std::size_t{3});
    QCOMPARE(pages[2], (std::vector<QString>{"p3 l1", "p3 l2", "p3 l3", "p3 l4"}));
}

void PrintWindowsTest::cancelAbortsAndClosesTheProgressWindow() {
    Bench b;
    frmPrint progress(b.printer, numberedPages(20, 70), b.messages);
    runActingAt(progress, 75, [&] { child<QPushButton>(progress, "cmdCancel")->click(); });
    QCOMPARE(progress.outcome(), frmPrint::Outcome::Cancelled);
    QCOMPARE(progress.linesPrinted(), 75);
    QVERIFY(!progress.isVisible());
    QVERIFY(!b.printed());
    QVERIFY(b.messages.entries.empty());
}

void PrintWindowsTest::printMenuKeepsTheChoicesAndPrintsThem() {
    Bench b;
    b.settings.PrintDataOption = true;
    b.settings.PrintGroupOption = 2;
    {
        frmPrnMenu menu(b.job());
        QCOMPARE(menu.windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ 印刷設定メニュー"));
        QCOMPARE(child<QLabel>(menu, "lblPrName")->text(), b.printer.outputFileName());
        QVERIFY(child<QCheckBox>(menu, "chkData")->isChecked());
        QVERIFY(child<QRadioButton>(menu, "optGrp2")->isChecked());
        child<QCheckBox>(menu, "chkData")->click();
        child<QRadioButton>(menu, "optGrp1")->click();
        child<QPushButton>(menu, "cmdCancel")->click();
    }
    QVERIFY(!b.settings.PrintDataOption);
    QCOMPARE(b.settings.PrintGroupOption, std::int16_t{1});
    QVERIFY(!b.printed());

    b.settings.PrintDataOption = true;
    frmPrnMenu menu(b.job());
    child<QPushButton>(menu, "cmdOK")->click();
    QVERIFY(b.messages.entries.empty());
    auto pages = testing::PdfPages(b.printer.outputFileName());
    QCOMPARE(pages.size(), std::size_t{1});
    // The page line, five header lines and the settings items of groups 1 and 3.
    QCOMPARE(pages[0].size(), std::size_t{1 + 5 + 2 * 8});
    QCOMPARE(pages[0][6], QStringLiteral("ｸﾞﾙｰﾌﾟ1"));
    QCOMPARE(pages[0][12], QStringLiteral("下限値 10.0ﾟF"));
    QCOMPARE(pages[0][14], QStringLiteral("ｸﾞﾙｰﾌﾟ3"));
}

void PrintWindowsTest::pageTooSmallClosesTheMenuWithoutPrinting() {
    Bench b;
    // 30 mm less 2 x 1 mm holds 7 lines of 3.8 mm.
    b.printer.setPageLayout(QPageLayout(QPageSize(QSizeF(100, 30), QPageSize::Millimeter),
                                        QPageLayout::Portrait, QMarginsF(1, 1, 1, 1),
                                        QPageLayout::Millimeter));
    frmPrnMenu menu(b.job());
    menu.show();
    child<QPushButton>(menu, "cmdOK")->click();
    QVERIFY(!menu.isVisible());
    QCOMPARE(b.messages.entries.size(), std::size_t{1});
    QVERIFY(b.messages.entries[0].text.starts_with("用紙ｻｲｽﾞが小さすぎます。"));
    QVERIFY(!b.printed());
}

void PrintWindowsTest::detailedSettingsShowTheSwitchesAndGroups() {
    Bench b;
    b.settings.PrintDataOption = true;
    b.settings.options.printDateTime = true;
    frmPrnSet dialog(b.job());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ 印刷詳細設定メニュー"));
    QVERIFY(child<QRadioButton>(dialog, "optField1")->isChecked());
    QVERIFY(!child<QCheckBox>(dialog, "chkHead0")->isChecked());
    QVERIFY(child<QCheckBox>(dialog, "chkHead1")->isChecked());
    QCOMPARE(child<QCheckBox>(dialog, "chkGrp8")->text(), QStringLiteral("ｸﾞﾙｰﾌﾟ 9"));
    QCOMPARE(child<QCheckBox>(dialog, "chkGrp9")->text(), QStringLiteral("ｸﾞﾙｰﾌﾟ10"));
    auto group = [&](int i) { return child<QCheckBox>(dialog, QStringLiteral("chkGrp%1").arg(i)); };
    for (int i = 0; i < kGroupCount; ++i) {
        QCOMPARE(group(i)->isChecked(), i == 0 || i == 2);
        QVERIFY(!group(i)->isEnabled());
    }
    child<QRadioButton>(dialog, "optField0")->click();
    child<QRadioButton>(dialog, "optField2")->click();
    QVERIFY(group(4)->isChecked() && group(4)->isEnabled());
    group(4)->click();
    QVERIFY(!b.settings.options.group(5));

    auto* records = child<QCheckBox>(dialog, "chkItemD0");
    child<QCheckBox>(dialog, "chkItemD3")->click(); // 最大値 brings the reading table
    QVERIFY(records->isChecked() && b.settings.options.printRecords);
    records->click();
    QVERIFY(records->isChecked() && b.settings.options.printRecords);
}

// The menu's choices reach the detailed settings; what is changed there is kept after 中止, and
// the menu closes without printing.
void PrintWindowsTest::menuHandsOverToTheDetailedSettingsAndCloses() {
    Bench b;
    b.settings.PrintDataOption = true;
    frmPrnMenu menu(b.job());
    menu.show();
    child<QCheckBox>(menu, "chkData")->click(); // all 15 groups again
    child<QRadioButton>(menu, "optGrp1")->click();

    // Seen in the detailed settings: menu hidden, all groups, settings items only, groups fixed.
    std::vector<bool> seen;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<frmPrnSet*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        watcher.stop();
        seen = {!menu.isVisible(), child<QRadioButton>(*dialog, "optField0")->isChecked(),
                child<QCheckBox>(*dialog, "chkItemS0")->isChecked(),
                !child<QCheckBox>(*dialog, "chkItemD0")->isChecked()};
        for (int i = 0; i < kGroupCount; ++i) {
            auto* group = child<QCheckBox>(*dialog, QStringLiteral("chkGrp%1").arg(i));
            seen.push_back(group->isChecked() && !group->isEnabled());
        }
        child<QCheckBox>(*dialog, "chkHead0")->click();
        child<QPushButton>(*dialog, "cmdCancel")->click();
    });
    watcher.start(0);
    child<QPushButton>(menu, "cmdSet")->click();

    QCOMPARE(seen, std::vector<bool>(4 + kGroupCount, true));
    QVERIFY(!menu.isVisible());
    QCOMPARE(menu.result(), int(QDialog::Accepted));
    QVERIFY(!b.settings.options.printSubject);
    QVERIFY(b.settings.options.printDateTime);
    QVERIFY(!b.settings.PrintDataOption);
    QCOMPARE(b.settings.PrintGroupOption, std::int16_t{1});
    QVERIFY(!b.printed());
    QVERIFY(b.messages.entries.empty());
}

} // namespace vestra

QTEST_MAIN(vestra::PrintWindowsTest)
#include "PrintWindowsTest.moc"
