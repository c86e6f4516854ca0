#include "print/PdfText.h"
#include "print/PrintCommand.h"
#include "print/ReportSample.h"
#include "print/frmPrint.h"
#include "print/frmPrnMenu.h"
#include "print/frmPrnSet.h"
#include "support/RecordingMessages.h"

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

namespace vestra {
namespace {

using testing::RecordingMessages;

void usePdf(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

// Readings in groups 1 and 3 only.
DataStore groupsOneAndThree() {
    using testing::SampleTime;
    return testing::SampleStore({{{SampleTime(0), 22.5f, ""}}, {}, {{SampleTime(1), 40.0f, ""}}});
}

template <typename T> T* child(QWidget& w, const char* name) {
    T* found = w.findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        qFatal("no control %s", name);
    }
    return found;
}

std::vector<ReportPage> numberedPages(int pages, int lines) {
    std::vector<ReportPage> out;
    for (int p = 1; p <= pages; ++p) {
        ReportPage page{p, {}};
        for (int i = 1; i <= lines; ++i) {
            page.lines.push_back("p" + std::to_string(p) + " l" + std::to_string(i));
        }
        out.push_back(page);
    }
    return out;
}

} // namespace

class PrintWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void printCommandNeedsAPrinter();
    void progressWindowPrintsEveryPage();
    void cancelAbortsAndClosesTheProgressWindow();
    void closingDoesNotEndTheRun();
    void printMenuOpensWithTheRememberedChoices();
    void printMenuPrintsTheChosenItems();
    void pageTooSmallClosesTheMenuWithoutPrinting();
    void detailedSettingsOpenWithGroupsHoldingData();
    void detailedSettingsKeepTheReadingTableForItsColumns();
    void detailedSettingsRefuseAnEmptyReport();
};

void PrintWindowsTest::printCommandNeedsAPrinter() {
    DataStore store = groupsOneAndThree();
    PrintSettings settings;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat); // no device and no file: nowhere to print
    RecordingMessages messages;
    RunPrintCommand(nullptr, store, "ﾟC", settings, printer, messages);
    QCOMPARE(messages.entries.size(), std::size_t{1});
    QCOMPARE(messages.entries[0].text,
             std::string("プリントエラーです。ご使用のプリンタ設定を確認してください"));
    QCOMPARE(messages.entries[0].icon, MessageIcon::Exclamation);
}

void PrintWindowsTest::progressWindowPrintsEveryPage() {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    usePdf(printer, dir.filePath(QStringLiteral("run.pdf")));
    RecordingMessages messages;
    frmPrint progress(printer, numberedPages(3, 4), messages);
    QCOMPARE(progress.windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ 印刷"));
    QVERIFY(!(progress.windowFlags() & Qt::WindowCloseButtonHint));
    progress.exec();
    QCOMPARE(progress.outcome(), frmPrint::Outcome::Completed);
    QCOMPARE(progress.linesPrinted(), 12);
    QVERIFY(messages.entries.empty());
    auto pages = testing::PdfPages(printer.outputFileName());
    QCOMPARE(pages.size(), std::size_t{3});
    QCOMPARE(pages[2], (std::vector<QString>{"p3 l1", "p3 l2", "p3 l3", "p3 l4"}));
}

void PrintWindowsTest::cancelAbortsAndClosesTheProgressWindow() {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    usePdf(printer, dir.filePath(QStringLiteral("cancelled.pdf")));
    RecordingMessages messages;
    frmPrint progress(printer, numberedPages(20, 70), messages);
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&] {
        if (progress.linesPrinted() >= 75) {
            child<QPushButton>(progress, "cmdCancel")->click();
            watcher.stop();
        }
    });
    watcher.start(0);
    progress.exec();
    QCOMPARE(progress.outcome(), frmPrint::Outcome::Cancelled);
    QVERIFY(progress.linesPrinted() < 80);
    QVERIFY(!progress.isVisible());
    QVERIFY(!QFile::exists(printer.outputFileName()));
    QVERIFY(messages.entries.empty());
}

void PrintWindowsTest::closingDoesNotEndTheRun() {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    usePdf(printer, dir.filePath(QStringLiteral("closed.pdf")));
    RecordingMessages messages;
    frmPrint progress(printer, numberedPages(2, 30), messages);
    QTimer::singleShot(2, &progress, [&] { progress.close(); });
    progress.exec();
    QCOMPARE(progress.outcome(), frmPrint::Outcome::Completed);
    QCOMPARE(progress.linesPrinted(), 60);
}

void PrintWindowsTest::printMenuOpensWithTheRememberedChoices() {
    DataStore store = groupsOneAndThree();
    PrintSettings settings;
    settings.PrintDataOption = true;
    settings.PrintGroupOption = 1;
    QPrinter printer;
    usePdf(printer, QStringLiteral("/tmp/unused.pdf"));
    RecordingMessages messages;
    frmPrnMenu menu({store.currentData, "ﾟC", settings, printer, messages});
    QCOMPARE(menu.windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ 印刷設定メニュー"));
    QCOMPARE(child<QLabel>(menu, "lblPrName")->text(), QStringLiteral("/tmp/unused.pdf"));
    QVERIFY(child<QCheckBox>(menu, "chkData")->isChecked());
    QVERIFY(child<QRadioButton>(menu, "optGrp1")->isChecked());
    QVERIFY(settings.options.group(1) && !settings.options.group(2) && settings.options.group(3));

    child<QCheckBox>(menu, "chkData")->click();
    child<QRadioButton>(menu, "optGrp2")->click();
    child<QPushButton>(menu, "cmdCancel")->click();
    QVERIFY(!settings.PrintDataOption);
    QCOMPARE(settings.PrintGroupOption, std::int16_t{2});
    QVERIFY(settings.options.group(2));
    QVERIFY(!settings.options.printTag && settings.options.printRecords);
}

void PrintWindowsTest::printMenuPrintsTheChosenItems() {
    QTemporaryDir dir;
    DataStore store = groupsOneAndThree();
    PrintSettings settings;
    settings.PrintDataOption = true;
    QPrinter printer(QPrinter::HighResolution);
    usePdf(printer, dir.filePath(QStringLiteral("menu.pdf")));
    RecordingMessages messages;
    frmPrnMenu menu({store.currentData, "ﾟF", settings, printer, messages});
    child<QRadioButton>(menu, "optGrp1")->click();
    child<QPushButton>(menu, "cmdOK")->click();
    QVERIFY(messages.entries.empty());
    auto pages = testing::PdfPages(printer.outputFileName());
    QCOMPARE(pages.size(), std::size_t{1});
    const std::vector<QString>& lines = pages[0];
    QCOMPARE(lines.size(), std::size_t{1 + 5 + 2 * 8}); // page line, header, two groups
    QCOMPARE(lines[6], QStringLiteral("ｸﾞﾙｰﾌﾟ1"));
    QCOMPARE(lines[12], QStringLiteral("下限値 10.0ﾟF"));
    QCOMPARE(lines[13], QStringLiteral("収録数 1件"));
    QCOMPARE(lines[14], QStringLiteral("ｸﾞﾙｰﾌﾟ3"));
}

void PrintWindowsTest::pageTooSmallClosesTheMenuWithoutPrinting() {
    QTemporaryDir dir;
    DataStore store = groupsOneAndThree();
    PrintSettings settings;
    QPrinter printer(QPrinter::HighResolution);
    usePdf(printer, dir.filePath(QStringLiteral("small.pdf")));
    // 30 mm less 2 x 1 mm holds 7 lines of 3.8 mm.
    printer.setPageLayout(QPageLayout(QPageSize(QSizeF(100, 30), QPageSize::Millimeter),
                                      QPageLayout::Portrait, QMarginsF(1, 1, 1, 1),
                                      QPageLayout::Millimeter));
    RecordingMessages messages;
    frmPrnMenu menu({store.currentData, "ﾟC", settings, printer, messages});
    menu.show();
    child<QPushButton>(menu, "cmdOK")->click();
    QVERIFY(!menu.isVisible());
    QCOMPARE(messages.entries.size(), std::size_t{1});
    QCOMPARE(messages.entries[0].text,
             std::string("用紙ｻｲｽﾞが小さすぎます。\r\nもう少し大きい用紙ｻｲｽﾞを指定してください。"));
    QVERIFY(!QFile::exists(printer.outputFileName()));
}

void PrintWindowsTest::detailedSettingsOpenWithGroupsHoldingData() {
    DataStore store = groupsOneAndThree();
    PrintSettings settings;
    settings.PrintDataOption = true;
    settings.options = AllPrintOptions();
    settings.options.printSubject = false;
    QPrinter printer;
    RecordingMessages messages;
    frmPrnSet dialog({store.currentData, "ﾟC", settings, printer, messages});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ 印刷詳細設定メニュー"));
    QVERIFY(child<QRadioButton>(dialog, "optField1")->isChecked());
    QVERIFY(!child<QCheckBox>(dialog, "chkHead0")->isChecked());
    QVERIFY(child<QCheckBox>(dialog, "chkHead1")->isChecked());
    QCOMPARE(child<QCheckBox>(dialog, "chkGrp8")->text(), QStringLiteral("ｸﾞﾙｰﾌﾟ 9"));
    QCOMPARE(child<QCheckBox>(dialog, "chkGrp9")->text(), QStringLiteral("ｸﾞﾙｰﾌﾟ10"));
    for (int i = 0; i < kGroupCount; ++i) {
        auto* box = child<QCheckBox>(dialog, qPrintable(QStringLiteral("chkGrp%1").arg(i)));
        QCOMPARE(box->isChecked(), i == 0 || i == 2);
        QVERIFY(!box->isEnabled());
    }

    child<QRadioButton>(dialog, "optField0")->click();
    child<QRadioButton>(dialog, "optField2")->click();
    auto* group5 = child<QCheckBox>(dialog, "chkGrp4");
    QVERIFY(group5->isChecked() && group5->isEnabled());
    group5->click();
    QVERIFY(!settings.options.group(5));
    QVERIFY(settings.PrintDataOption);
}

void PrintWindowsTest::detailedSettingsKeepTheReadingTableForItsColumns() {
    DataStore store = groupsOneAndThree();
    PrintSettings settings;
    QPrinter printer;
    RecordingMessages messages;
    frmPrnSet dialog({store.currentData, "ﾟC", settings, printer, messages});
    auto* records = child<QCheckBox>(dialog, "chkItemD0");
    QVERIFY(!records->isChecked());
    child<QCheckBox>(dialog, "chkItemD3")->click(); // 最大値
    QVERIFY(records->isChecked() && settings.options.printRecords);
    records->click();
    QVERIFY(records->isChecked() && settings.options.printRecords);
    child<QCheckBox>(dialog, "chkItemD3")->click();
    records->click();
    QVERIFY(!records->isChecked() && !settings.options.printRecords);
}

void PrintWindowsTest::detailedSettingsRefuseAnEmptyReport() {
    QTemporaryDir dir;
    DataStore store = groupsOneAndThree();
    PrintSettings settings;
    settings.options.printPageNumber = true;
    QPrinter printer(QPrinter::HighResolution);
    usePdf(printer, dir.filePath(QStringLiteral("empty.pdf")));
    RecordingMessages messages;
    frmPrnSet dialog({store.currentData, "ﾟC", settings, printer, messages});
    dialog.show();
    child<QRadioButton>(dialog, "optField2")->click();
    for (int i = 0; i < kGroupCount; ++i) {
        child<QCheckBox>(dialog, qPrintable(QStringLiteral("chkGrp%1").arg(i)))->click();
    }
    QVERIFY(child<QCheckBox>(dialog, "chkPage")->isChecked());
    child<QPushButton>(dialog, "cmdOK")->click();
    QCOMPARE(messages.entries.size(), std::size_t{1});
    QCOMPARE(messages.entries[0].text, std::string("印刷する項目がありません。"));
    QVERIFY(!dialog.isVisible());
    QVERIFY(!QFile::exists(printer.outputFileName()));
}

} // namespace vestra

QTEST_MAIN(vestra::PrintWindowsTest)
#include "PrintWindowsTest.moc"
