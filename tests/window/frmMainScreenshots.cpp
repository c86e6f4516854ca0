// Renders the main window with a demo data set and saves the overview and a group with an open
// remark editor as PNG files, then the same window enlarged with its charts (the toolbar's
// toggle then on), and the note a save leaves, for the documentation.
#include "../support/DemoData.h"
#include "../support/FakeFileDialogs.h"
#include "../support/RecordingMessages.h"
#include "files/OutputPlace.h"
#include "session/QtChartPanel.h"
#include "window/QtGridTable.h"
#include "window/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>

using namespace vestra;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    DataStore store;
    MainWindowSettings settings;
    settings.portNumber = 3;
    testing::RecordingMessages messages;
    frmMain window(store, TemperatureUnit::Celsius, settings, messages);
    testing::FakeFileDialogs dialogs;
    OutputPlace outputs{""};
    chart::InstallChart(window, dialogs, outputs, messages);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    testing::StageDemoImport(store.importBuffer);
    window.commitLoadedData(true);
    auto* subject = window.findChild<QLineEdit*>("txtInfo");
    subject->setText(QStringLiteral("第2工場 炉壁温度 月例点検"));
    window.commitPendingEdits();
    QTest::qWait(100);
    bool ok = window.grab().save(folder + "/screenshot-overview.png");

    window.selectNode(2);
    window.findChild<QLineEdit*>("txtTarget")->setText(QStringLiteral("2号炉 炉壁"));
    window.findChild<QLineEdit*>("txtName")->setText(QStringLiteral("山田 太郎"));
    window.commitPendingEdits();
    auto* table = window.findChild<QtGridTable*>("vsfgGrp");
    table->setFocus();
    table->setCurrentGridCell(2, 1);
    window.startRemarkEdit();
    window.findChild<QLineEdit*>("txtEdit")->setText(QStringLiteral("上限超過 再測定"));
    table->setCurrentGridCell(4, 1);
    window.startRemarkEdit();
    window.findChild<QLineEdit*>("txtEdit")->setText(QStringLiteral("扉付近 ﾁｪｯｸ済"));
    QTest::qWait(100);
    ok = window.grab().save(folder + "/screenshot-group.png") && ok;

    // Enlarged, the window gives the room beyond its panels to the chart.
    window.commitPendingEdits();
    window.resize(1280, 640);
    table->setCurrentGridCell(7, 1);
    QTest::qWait(100);
    ok = window.grab().save(folder + "/screenshot-chart-group.png") && ok;
    window.selectNode(0);
    QTest::qWait(100);
    ok = window.grab().save(folder + "/screenshot-chart-overview.png") && ok;

    // Back at the panels' own size through the toggle, after a save: the note names the file.
    window.showChart(false);
    std::string saved = "/home/yamada/点検/2号炉-2008-03.qmc";
    store.modified = false;
    window.setDataFile(saved);
    window.noteWritten(QString::fromStdString(WrittenNote(saved)), QString::fromStdString(saved));
    QTest::qWait(100);
    ok = window.grab().save(folder + "/screenshot-saved-note.png") && ok;
    return ok ? 0 : 1;
}
