#include "base/FileFault.h"
#include "print/FakePrintSystem.h"
#include "print/PdfText.h"
#include "print/QtPrintCommand.h"
#include "print/QtPrinterCheck.h"
#include "print/ReportSample.h"
#include "print/frmPreview.h"
#include "print/frmPrint.h"
#include "print/frmPrnMenu.h"
#include "print/frmPrnSet.h"
#include "print/frmPrnSetup.h"
#include "session/QtAppCommands.h"
#include "session/QtAppSession.h"
#include "support/FakeFileDialogs.h"
#include "support/RecordingMessages.h"
#include "support/SmallDisk.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cerrno>
#include <functional>

namespace vestra {
namespace {

using testing::FakePrintSystem;

// A data set with readings in groups 1 and 3 only; no printer unless a test adds some, so the
// destination is the PDF file.
struct Bench {
    explicit Bench(QStringList printers = {}) : system(std::move(printers), dir.path()) {
        using testing::SampleTime;
        store =
            testing::SampleStore({{{SampleTime(0), 22.5f, ""}}, {}, {{SampleTime(1), 40.f, ""}}});
    }
    QtPrintPlace place() { return {destination, system, dialogs, currentFile, outputs}; }
    QtPrintJob job() {
        return {store.currentData, TemperatureUnit::Fahrenheit, settings, place(), messages};
    }
    std::string file(const char* name) const { return dir.filePath(name).toStdString(); }
    void answerFile(const char* name) { dialogs.answers.push_back(file(name)); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    DataStore store;
    PrintSettings settings;
    QtPrintDestination destination;
    FakePrintSystem system;
    testing::FakeFileDialogs dialogs;
    std::string currentFile;
    OutputPlace outputs{""};
    testing::RecordingMessages messages;
};

template <typename T> T* child(QWidget& w, const QString& name) {
    T* found = w.findChild<T*>(name);
    if (!found) {
        qFatal("no control %s", qPrintable(name));
    }
    return found;
}

void click(QWidget& w, const char* button) {
    child<QPushButton>(w, QString::fromLatin1(button))->click();
}

// Acts once on the first modal dialog of type D that shows, and is ready, while the watcher
// lives.
template <typename D> class OnModal {
public:
    explicit OnModal(
        std::function<void(D&)> act, std::function<bool(D&)> ready = [](D&) { return true; })
        : act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this, ready] {
            auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
            if (dialog != nullptr && ready(*dialog)) {
                timer_.stop();
                seen = true;
                act_(*dialog);
            }
        });
        timer_.start(0);
    }
    bool seen = false;

private:
    std::function<void(D&)> act_;
    QTimer timer_;
};

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

std::string readText(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void writeText(const std::string& path, const std::string& text) {
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.data(), qint64(text.size()));
}

QString pdfTitle(const QString& path) {
    return testing::PdfInfo(path, QStringLiteral("Title"));
}

} // namespace

class PrintWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void runStartsOnTheDefaultPrinterElseThePdfFile_data();
    void runStartsOnTheDefaultPrinterElseThePdfFile();
    void printCommandOpensTheMenuOnTheDestination_data();
    void printCommandOpensTheMenuOnTheDestination();
    void pdfRunWritesTheChosenFileAndNamesIt();
    void mainWindowPrintsAPdfWithoutAPrinter();
    void replacingAnEarlierPdfAsksFirst_data();
    void replacingAnEarlierPdfAsksFirst();
    void cancelledFileQuestionPrintsNothing();
    void cancelledRunWritesNoPdf();
    void pdfOntoAFullDiskKeepsTheOldFile();
    void printerRunGoesToThePrinterWithoutAFileQuestion();
    void previewShowsThePagesOfTheRun();
    void withoutAPreviewItsPlaceSaysWhyAndPrintingGoesOn();
    void printerSetupOffersOnlyPrinterPaperAndOrientation_data();
    void printerSetupOffersOnlyPrinterPaperAndOrientation();
    void progressWindowPrintsEveryPageAndCannotBeClosed();
    void cancelStopsTheRunAndClosesTheProgressWindow();
    void printMenuKeepsTheChoicesAndPrintsThem();
    void pageTooSmallClosesTheMenuWithoutPrinting();
    void detailedSettingsShowTheSwitchesAndGroups();
    void menuHandsOverToTheDetailedSettingsAndCloses();
};

void PrintWindowsTest::runStartsOnTheDefaultPrinterElseThePdfFile_data() {
    QTest::addColumn<QStringList>("printers");
    QTest::addColumn<QString>("systemDefault");
    QTest::addColumn<QString>("chosen"); // empty: the PDF file
    QTest::newRow("no printer") << QStringList{} << QString() << QString();
    QTest::newRow("default") << QStringList{"Office", "Lab"} << "Lab"
                             << "Lab";
    QTest::newRow("no default") << QStringList{"Office", "Lab"} << QString() << "Office";
    QTest::newRow("default gone") << QStringList{"Office"} << "Gone"
                                  << "Office";
}

void PrintWindowsTest::runStartsOnTheDefaultPrinterElseThePdfFile() {
    QFETCH(QStringList, printers);
    QFETCH(QString, systemDefault);
    QFETCH(QString, chosen);
    Bench b(printers);
    b.system.defaultName = systemDefault;
    QtPrintDestination start = InitialDestination(b.system);
    QCOMPARE(start.printerName, chosen);
    QCOMPARE(start.orientation, QPageLayout::Portrait);
}

void PrintWindowsTest::printCommandOpensTheMenuOnTheDestination_data() {
    QTest::addColumn<QStringList>("printers");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("shown"); // empty: the menu does not open
    const QString pdf = QStringLiteral("PDFファイル");
    QTest::newRow("no printer") << QStringList{} << QString() << pdf;
    QTest::newRow("printer gone, none left") << QStringList{} << "Office" << pdf;
    QTest::newRow("PDF chosen") << QStringList{"Office"} << QString() << pdf;
    QTest::newRow("printer") << QStringList{"Office", "Lab"} << "Lab"
                             << "Lab";
    QTest::newRow("printer unreachable") << QStringList{"Office"} << "Gone" << QString();
}

void PrintWindowsTest::printCommandOpensTheMenuOnTheDestination() {
    QFETCH(QStringList, printers);
    QFETCH(QString, chosen);
    QFETCH(QString, shown);
    Bench b(printers);
    b.destination.printerName = chosen;
    QString label;
    OnModal<frmPrnMenu> menu([&](frmPrnMenu& m) {
        label = child<QLabel>(m, "lblPrName")->text();
        click(m, "cmdCancel");
    });
    RunPrintCommand(nullptr, b.store, TemperatureUnit::Celsius, b.settings, b.place(), b.messages);
    QCOMPARE(label, shown);
    QCOMPARE(menu.seen, !shown.isEmpty());
    if (shown.isEmpty()) {
        QCOMPARE(b.messages.entries.size(), std::size_t{1});
        QCOMPARE(b.messages.entries[0].text,
                 std::string("プリントエラーです。ご使用のプリンタ設定を確認してください"));
        QCOMPARE(b.messages.entries[0].icon, MessageIcon::Exclamation);
    } else {
        QVERIFY(b.messages.entries.empty());
    }
}

// The three clicks of a user without a printer: 印刷, 印刷実行, and the file's name.
void PrintWindowsTest::pdfRunWritesTheChosenFileAndNamesIt() {
    Bench b;
    b.settings.PrintDataOption = true;
    b.answerFile("report"); // typed without extension
    OnModal<frmPrnMenu> menu([&](frmPrnMenu& m) { click(m, "cmdOK"); });
    RunPrintCommand(nullptr, b.store, TemperatureUnit::Fahrenheit, b.settings, b.place(),
                    b.messages);
    std::string path = b.file("report.pdf");
    QCOMPARE(b.files(), QStringList{"report.pdf"});
    QCOMPARE(b.destination.lastPdfPath, path);
    QCOMPARE(b.outputs.startFolder(), b.dir.path().toStdString() + "/");
    QCOMPARE(b.dialogs.saved.at(0).defaultExtension, std::string("pdf"));
    QCOMPARE(b.messages.entries.size(), std::size_t{1});
    QCOMPARE(b.messages.entries[0].text, "PDFファイルを出力しました。\n" + path);
    QCOMPARE(b.messages.entries[0].icon, MessageIcon::Information);
    auto pages = testing::PdfPages(QString::fromStdString(path));
    QCOMPARE(pages.size(), std::size_t{1});
    QCOMPARE(pages[0][0], QStringLiteral("ﾍﾟｰｼﾞ 1"));
    QCOMPARE(pages[0][1], QStringLiteral("件名 ライン点検"));
    QCOMPARE(pdfTitle(QString::fromStdString(path)),
             QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ ライン点検"));
}

// The same from the main window's print command, as the application connects it.
void PrintWindowsTest::mainWindowPrintsAPdfWithoutAPrinter() {
    Bench b;
    QtAppSession session(SettingsDocument::Load(b.file("VESTRA.INI")), Settings{}, b.messages);
    auto dialogs = std::make_unique<testing::FakeFileDialogs>();
    dialogs->answers.push_back(b.file("report.pdf"));
    session.fileDialogs = std::move(dialogs);
    session.printSystem = std::make_unique<FakePrintSystem>(QStringList{}, b.dir.path());
    ConnectPrintCommand(session);
    session.store.importBuffer = b.store.currentData;
    session.window().commitLoadedData(true);

    OnModal<frmPrnMenu> menu([](frmPrnMenu& m) { click(m, "cmdOK"); });
    session.window().findChild<QAction*>("mnuPrint")->trigger();
    QVERIFY(menu.seen);
    QVERIFY(session.destination().isPdf());
    QCOMPARE(b.messages.entries.size(), std::size_t{1});
    QCOMPARE(b.messages.entries[0].text, "PDFファイルを出力しました。\n" + b.file("report.pdf"));
    QVERIFY(readText(b.file("report.pdf")).starts_with("%PDF-"));
}

void PrintWindowsTest::replacingAnEarlierPdfAsksFirst_data() {
    QTest::addColumn<bool>("replace");
    QTest::newRow("yes") << true;
    QTest::newRow("no, then cancel") << false;
}

void PrintWindowsTest::replacingAnEarlierPdfAsksFirst() {
    QFETCH(bool, replace);
    Bench b;
    std::string path = b.file("report.pdf");
    writeText(path, "earlier");
    b.destination.lastPdfPath = path;
    b.dialogs.answers.push_back(path);
    b.messages.answers.push_back(replace);
    frmPrnMenu menu(b.job());
    click(menu, "cmdOK");

    QCOMPARE(b.messages.entries.at(0).text,
             std::string("report.pdf は既に存在します。\n上書きしますか?"));
    QCOMPARE(b.dialogs.saved.at(0).name, std::string("report")); // the last report's name
    QCOMPARE(b.dialogs.saved.size(), std::size_t(replace ? 1 : 2));
    QCOMPARE(readText(path) == "earlier", !replace);
    QCOMPARE(b.messages.entries.size(), std::size_t(replace ? 2 : 1));
}

void PrintWindowsTest::cancelledFileQuestionPrintsNothing() {
    Bench b;
    frmPrnMenu menu(b.job());
    menu.show();
    click(menu, "cmdOK");
    QCOMPARE(b.dialogs.saved.size(), std::size_t{1});
    QVERIFY(b.files().isEmpty());
    QVERIFY(b.messages.entries.empty());
    QVERIFY(b.destination.lastPdfPath.empty());
    QVERIFY(!menu.isVisible());
}

void PrintWindowsTest::cancelledRunWritesNoPdf() {
    Bench b;
    b.store = testing::FullSampleStore();
    b.answerFile("report.pdf");
    OnModal<frmPrint> progress([](frmPrint& p) { click(p, "cmdCancel"); },
                               [](frmPrint& p) { return p.linesPrinted() > 0; });
    frmPrnMenu menu(b.job());
    click(menu, "cmdOK");
    QVERIFY(progress.seen);
    QCOMPARE(b.files(), QStringList{});
    QVERIFY(b.messages.entries.empty());
}

void PrintWindowsTest::pdfOntoAFullDiskKeepsTheOldFile() {
    Bench b;
    testing::SmallDisk disk(b.file("small"));
    if (!disk.mounted()) {
        QSKIP(disk.why().c_str());
    }
    std::string path = disk.file("report.pdf");
    b.dialogs.answers = {path, path};
    frmPrnMenu(b.job()).findChild<QPushButton*>("cmdOK")->click();
    QCOMPARE(b.messages.entries.at(0).icon, MessageIcon::Information);
    std::string old = readText(path);
    QVERIFY(old.starts_with("%PDF-"));
    QVERIFY(disk.fillUp());

    b.messages.entries.clear();
    b.store = testing::FullSampleStore();
    frmPrnMenu(b.job()).findChild<QPushButton*>("cmdOK")->click();
    QCOMPARE(b.messages.entries.size(), std::size_t{2}); // replace?, then the error
    QCOMPARE(b.messages.entries[1].text, std::string("File Save Error !"));
    QCOMPARE(b.messages.entries[1].detail, FileFaultLine(path, FileFaultText(ENOSPC)));
    QCOMPARE(b.messages.entries[1].icon, MessageIcon::Critical);
    QCOMPARE(b.messages.beeps, 1);
    QVERIFY(readText(path) == old);
    QCOMPARE(QDir(QString::fromStdString(disk.file(""))).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"filler", "report.pdf"}));
}

void PrintWindowsTest::printerRunGoesToThePrinterWithoutAFileQuestion() {
    Bench b({"Office"});
    b.destination.printerName = "Office";
    b.settings.PrintDataOption = true;
    frmPrnMenu menu(b.job());
    QCOMPARE(child<QLabel>(menu, "lblPrName")->text(), QStringLiteral("Office"));
    click(menu, "cmdOK");
    QVERIFY(b.dialogs.saved.empty());
    QVERIFY(b.messages.entries.empty());
    auto pages = testing::PdfPages(b.system.outputOf("Office"));
    QCOMPARE(pages.size(), std::size_t{1});
    QCOMPARE(pages[0][0], QStringLiteral("ﾍﾟｰｼﾞ 1"));
    QCOMPARE(pdfTitle(b.system.outputOf("Office")), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ ライン点検"));
}

// Closing the preview leaves the menu open and prints nothing; printing from it gives the
// pages it showed.
void PrintWindowsTest::previewShowsThePagesOfTheRun() {
    Bench b;
    b.store = testing::FullSampleStore();
    frmPrnMenu menu(b.job());
    menu.show();
    int shown = 0;
    {
        OnModal<frmPreview> preview([&](frmPreview& p) {
            shown = p.pageCount();
            // 900 pixels high wanted, on the test platform's 600: its buttons stay on the screen
            QVERIFY(p.screen()->availableGeometry().contains(p.frameGeometry()));
            click(p, "cmdCancel");
        });
        click(menu, "cmdPreview");
        QVERIFY(preview.seen);
    }
    QVERIFY(menu.isVisible());
    QVERIFY(b.dialogs.saved.empty());
    QVERIFY(b.files().isEmpty());

    b.answerFile("report.pdf");
    OnModal<frmPreview> preview([&](frmPreview& p) { click(p, "cmdOK"); });
    click(menu, "cmdPreview");
    QVERIFY(!menu.isVisible());
    QVERIFY(shown > 1);
    QCOMPARE(testing::PdfPages(QString::fromStdString(b.file("report.pdf"))).size(),
             std::size_t(shown));
}

// A broken installation without the printing module still writes the PDF report.
void PrintWindowsTest::withoutAPreviewItsPlaceSaysWhyAndPrintingGoesOn() {
    Bench b;
    b.store = testing::FullSampleStore();
    b.system.noPreview = QStringLiteral("the printing module cannot be loaded");
    frmPrnMenu menu(b.job());
    menu.show();
    b.answerFile("report.pdf");
    QString said;
    OnModal<frmPreview> preview([&](frmPreview& p) {
        said = p.findChild<QLabel*>("lblNoPreview")->text();
        QCOMPARE(p.pageCount(), 0);
        click(p, "cmdOK");
    });
    click(menu, "cmdPreview");
    QCOMPARE(said,
             QStringLiteral("プレビューを表示できません。\nthe printing module cannot be loaded"));
    QVERIFY(!testing::PdfPages(QString::fromStdString(b.file("report.pdf"))).empty());
}

void PrintWindowsTest::printerSetupOffersOnlyPrinterPaperAndOrientation_data() {
    QTest::addColumn<bool>("accept");
    QTest::newRow("OK") << true;
    QTest::newRow("cancel") << false;
}

void PrintWindowsTest::printerSetupOffersOnlyPrinterPaperAndOrientation() {
    QFETCH(bool, accept);
    Bench b({"Office", "Lab"});
    QStringList offered;
    int controls = 0;
    OnModal<frmPrnSetup> setup([&](frmPrnSetup& d) {
        auto* printer = child<QComboBox>(d, "cboPrinter");
        for (int i = 0; i < printer->count(); ++i) {
            offered << printer->itemText(i);
        }
        controls =
            int(d.findChildren<QComboBox*>().size() + d.findChildren<QSpinBox*>().size() +
                d.findChildren<QCheckBox*>().size() + d.findChildren<QRadioButton*>().size());
        printer->setCurrentIndex(2);
        auto* paper = child<QComboBox>(d, "cboPaper");
        paper->setCurrentIndex(paper->findText(QStringLiteral("Letter")));
        child<QRadioButton>(d, "optOrientation1")->click();
        click(d, accept ? "cmdOK" : "cmdCancel");
    });
    RunPrinterSetup(nullptr, b.destination, b.system);
    QCOMPARE(offered, (QStringList{"PDFファイル", "Office", "Lab"}));
    QCOMPARE(controls, 4); // printer, paper, two orientations
    QCOMPARE(b.destination.printerName, accept ? QStringLiteral("Lab") : QString());
    QCOMPARE(b.destination.pageSize, accept ? QPageSize::Letter : QPageSize::A4);
    QCOMPARE(b.destination.orientation, accept ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void PrintWindowsTest::progressWindowPrintsEveryPageAndCannotBeClosed() {
    Bench b({"Office"});
    b.destination.printerName = "Office";
    auto printer = b.system.openPrinter(b.destination);
    frmPrint progress(*printer, numberedPages(3, 4), b.messages);
    QCOMPARE(progress.windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ 印刷"));
    QVERIFY(!(progress.windowFlags() & Qt::WindowCloseButtonHint));
    runActingAt(progress, 1, [&] { progress.close(); });
    QCOMPARE(progress.outcome(), frmPrint::Outcome::Completed);
    QCOMPARE(progress.linesPrinted(), 12);
    auto pages = testing::PdfPages(b.system.outputOf("Office"));
    QCOMPARE(pages.size(), std::size_t{3});
    QCOMPARE(pages[2], (std::vector<QString>{"p3 l1", "p3 l2", "p3 l3", "p3 l4"}));
}

void PrintWindowsTest::cancelStopsTheRunAndClosesTheProgressWindow() {
    Bench b;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    frmPrint progress(writer, numberedPages(20, 70), b.messages);
    runActingAt(progress, 75, [&] { click(progress, "cmdCancel"); });
    QCOMPARE(progress.outcome(), frmPrint::Outcome::Cancelled);
    QCOMPARE(progress.linesPrinted(), 75);
    QVERIFY(!progress.isVisible());
    QVERIFY(b.messages.entries.empty());
}

void PrintWindowsTest::printMenuKeepsTheChoicesAndPrintsThem() {
    Bench b;
    b.settings.PrintDataOption = true;
    b.settings.PrintGroupOption = 2;
    {
        frmPrnMenu menu(b.job());
        QCOMPARE(menu.windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ 印刷設定メニュー"));
        QVERIFY(child<QCheckBox>(menu, "chkData")->isChecked());
        QVERIFY(child<QRadioButton>(menu, "optGrp2")->isChecked());
        child<QCheckBox>(menu, "chkData")->click();
        child<QRadioButton>(menu, "optGrp1")->click();
        click(menu, "cmdCancel");
    }
    QVERIFY(!b.settings.PrintDataOption);
    QCOMPARE(b.settings.PrintGroupOption, std::int16_t{1});
    QVERIFY(b.dialogs.saved.empty());

    b.settings.PrintDataOption = true;
    b.answerFile("out.pdf");
    frmPrnMenu menu(b.job());
    click(menu, "cmdOK");
    auto pages = testing::PdfPages(QString::fromStdString(b.file("out.pdf")));
    QCOMPARE(pages.size(), std::size_t{1});
    // The page line, five header lines and the settings items of groups 1 and 3.
    QCOMPARE(pages[0].size(), std::size_t{1 + 5 + 2 * 8});
    QCOMPARE(pages[0][6], QStringLiteral("ｸﾞﾙｰﾌﾟ1"));
    QCOMPARE(pages[0][12], QStringLiteral("下限値 10.0ﾟF"));
    QCOMPARE(pages[0][14], QStringLiteral("ｸﾞﾙｰﾌﾟ3"));
}

void PrintWindowsTest::pageTooSmallClosesTheMenuWithoutPrinting() {
    Bench b({"Office"});
    b.destination.printerName = "Office";
    // A4 less 2 x 130 mm holds 9 lines of 3.8 mm.
    b.system.margins = QMarginsF(5, 130, 5, 130);
    frmPrnMenu menu(b.job());
    menu.show();
    click(menu, "cmdOK");
    QVERIFY(!menu.isVisible());
    QCOMPARE(b.messages.entries.size(), std::size_t{1});
    QVERIFY(b.messages.entries[0].text.starts_with("用紙ｻｲｽﾞが小さすぎます。"));
    QVERIFY(!QFile::exists(b.system.outputOf("Office")));
}

void PrintWindowsTest::detailedSettingsShowTheSwitchesAndGroups() {
    Bench b;
    b.settings.PrintDataOption = true;
    b.settings.options.printDateTime = true;
    frmPrnSet dialog(b.job());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ 印刷詳細設定メニュー"));
    QCOMPARE(child<QLabel>(dialog, "lblPrName")->text(), QStringLiteral("PDFファイル"));
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
    OnModal<frmPrnSet> settings([&](frmPrnSet& dialog) {
        seen = {!menu.isVisible(), child<QRadioButton>(dialog, "optField0")->isChecked(),
                child<QCheckBox>(dialog, "chkItemS0")->isChecked(),
                !child<QCheckBox>(dialog, "chkItemD0")->isChecked()};
        for (int i = 0; i < kGroupCount; ++i) {
            auto* group = child<QCheckBox>(dialog, QStringLiteral("chkGrp%1").arg(i));
            seen.push_back(group->isChecked() && !group->isEnabled());
        }
        child<QCheckBox>(dialog, "chkHead0")->click();
        click(dialog, "cmdCancel");
    });
    click(menu, "cmdSet");

    QCOMPARE(seen, std::vector<bool>(4 + kGroupCount, true));
    QVERIFY(!menu.isVisible());
    QCOMPARE(menu.result(), int(QDialog::Accepted));
    QVERIFY(!b.settings.options.printSubject);
    QVERIFY(b.settings.options.printDateTime);
    QVERIFY(!b.settings.PrintDataOption);
    QCOMPARE(b.settings.PrintGroupOption, std::int16_t{1});
    QVERIFY(b.dialogs.saved.empty());
    QVERIFY(b.messages.entries.empty());
}

} // namespace vestra

QTEST_MAIN(vestra::PrintWindowsTest)
#include "PrintWindowsTest.moc"
