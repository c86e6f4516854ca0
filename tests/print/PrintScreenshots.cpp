// Renders the print menu and the print preview of a demo data set as PNG files, for the
// documentation.
#include "print/FakePrintSystem.h"
#include "print/QtPreparedReport.h"
#include "print/frmPreview.h"
#include "print/frmPrnMenu.h"
#include "support/DemoData.h"
#include "support/FakeFileDialogs.h"
#include "support/RecordingMessages.h"

#include <QApplication>
#include <QDir>
#include <QTest>

using namespace vestra;

namespace {

bool saveShot(QWidget& window, const QString& file) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return false;
    }
    QTest::qWait(100);
    return window.grab().save(file);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    DataStore store;
    testing::StageDemoImport(store.importBuffer);
    store.commitImport(true);
    store.hasData = true;
    store.currentData.subject = "第2工場 炉壁温度 月例点検";
    store.currentData.group(1).target = "1号炉 炉壁";
    store.currentData.group(1).measurer = "山田 太郎";

    PrintSettings settings;
    settings.PrintDataOption = true;
    QtPrintDestination destination; // no printer: the PDF file
    testing::FakePrintSystem system({}, folder);
    testing::FakeFileDialogs dialogs;
    std::string currentFile;
    OutputPlace outputs{""};
    testing::RecordingMessages messages;
    QtPrintJob job{store.currentData,
                   TemperatureUnit::Celsius,
                   settings,
                   {destination, system, dialogs, currentFile, outputs},
                   messages};

    frmPrnMenu menu(job);
    bool ok = saveShot(menu, folder + "/screenshot-print-menu.png");
    auto report = QtPreparedReport::Prepare(job);
    if (!report) {
        return 1;
    }
    frmPreview preview(report->device().pageLayout(), report->pages(), system);
    preview.resize(640, 860);
    ok = saveShot(preview, folder + "/screenshot-print-preview.png") && ok;
    return ok ? 0 : 1;
}
