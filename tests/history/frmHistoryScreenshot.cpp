// Renders the history window with eight inspection rounds of a furnace wall and saves it as a
// PNG file, for the documentation.
#include "../support/RecordingMessages.h"
#include "base/TemperatureUnit.h"
#include "files/TempFolder.h"
#include "history/HistoryData.h"
#include "history/frmHistory.h"

#include <QApplication>
#include <QDir>
#include <QTest>

using namespace vestra;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    testing::TempFolder data("vestra-history-shot");
    auto store = history::OpenHistoryStore(history::SqliteFile{data.file("history.sqlite")},
                                           history::HistoryAccess::ReadWrite);
    if (!store) {
        return 1;
    }
    for (int round = 1; round <= 8; ++round) {
        std::string source = "/home/plant/点検/2026-" + std::to_string(round + 1) + ".qmc";
        (*store)->add(testing::RoundDataSet(round), TemperatureUnit::Celsius, source);
    }
    testing::RecordingMessages messages;
    frmHistory window(store->get(), TemperatureUnit::Celsius, messages);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    window.choose(1);
    QTest::qWait(100);
    return window.grab().save(folder + "/screenshot-history.png") ? 0 : 1;
}
