#include "device/DumpText.h"
#include "device/ScriptedPort.h"
#include "device/frmTerm.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using namespace vestra;
using vestra::testing::ScriptedPort;

class TermWindowTest : public QObject {
    Q_OBJECT
private slots:
    void clearRunsToTheEndAndClosesThePort() {
        ScriptedPort port;
        std::string reason;
        port.open(reason);
        port.answer("OK\r\n");
        port.answer("OK\r\n");
        CommState state;
        state.CurrentMode = ConnectionMode::ModeClearMemory;
        DataStore data;
        CommResult result =
            RunCommWindow(port, state, data, TemperatureUnit::Celsius, nullptr).result;
        QCOMPARE(int(result), int(CommResult::ResultOk));
        QCOMPARE(QString::fromStdString(port.written), QStringLiteral("HEL\r\nCLR\r\nBYE\r\n"));
        QVERIFY(!port.isOpen());
    }

    void windowShowsCancelOnlyForLongReadings() {
        ScriptedPort port;
        CommState state;
        DataStore data;
        state.CurrentMode = ConnectionMode::ModeSetClock;
        frmTerm clock(port, state, data, TemperatureUnit::Celsius, nullptr);
        QVERIFY(clock.cmdCancel->isHidden());
        QCOMPARE(clock.windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ 通信"));
        QCOMPARE(clock.PBarTerm->maximum(), 18);
        state.CurrentMode = ConnectionMode::ModeReadSettings;
        frmTerm settings(port, state, data, TemperatureUnit::Celsius, nullptr);
        QVERIFY(!settings.cmdCancel->isHidden());
    }

    void closeAndEscapeDoNotEndARunningConnection() {
        ScriptedPort port;
        CommState state;
        state.CurrentMode = ConnectionMode::ModeClearMemory;
        DataStore data;
        frmTerm window(port, state, data, TemperatureUnit::Celsius, nullptr);
        window.show();
        QVERIFY(!window.close());
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        QCOMPARE(window.lblTermInf->text(), QStringLiteral("本体の起動中。"));
    }

    void cancelDuringTheDumpEndsWithUserAbort() {
        ScriptedPort port;
        std::string reason;
        port.open(reason);
        port.answer("OK\r\n");
        port.answer("OK\r\nLABEL=VESTRA\r\n");
        port.silence();
        CommState state;
        state.CurrentMode = ConnectionMode::ModeImportMemory;
        DataStore data;
        frmTerm window(port, state, data, TemperatureUnit::Celsius, nullptr);
        int waits = 0;
        port.onWait = [&] {
            if (++waits == 5) {
                window.cmdCancel->click();
            }
        };
        window.exec();
        QCOMPARE(int(state.LastResult), int(CommResult::ResultUserAbort));
        QVERIFY(QString::fromStdString(port.written).endsWith(QStringLiteral("BYE\r\n")));
        QCOMPARE(window.PBarTerm->value(), 3);
        QVERIFY(!port.isOpen());
    }

    // The bar still steps by groups; its text counts the readings against the memory's 150.
    void anImportCountsItsReadingsOnTheBar() {
        ScriptedPort port;
        std::string reason;
        port.open(reason);
        port.answer("OK\r\n");
        std::string dump = "OK\r\n";
        for (const std::string& line :
             testing::MemoryDump({30, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})) {
            dump += line + "\r\n";
        }
        port.answer(dump);
        CommState state;
        state.CurrentMode = ConnectionMode::ModeImportMemory;
        DataStore data;
        frmTerm window(port, state, data, TemperatureUnit::Celsius, nullptr);
        QVERIFY(window.PBarTerm->isTextVisible());
        QCOMPARE(window.PBarTerm->text(), QStringLiteral("0件 (ｸﾞﾙｰﾌﾟ 0/15)"));
        window.exec();
        QCOMPARE(int(state.LastResult), int(CommResult::ResultOk));
        QCOMPARE(window.PBarTerm->value(), 18);
        QCOMPARE(window.PBarTerm->text(), QStringLiteral("37件 (ｸﾞﾙｰﾌﾟ 15/15)"));
    }

    void otherModesShowNoCount() {
        ScriptedPort port;
        CommState state;
        DataStore data;
        state.CurrentMode = ConnectionMode::ModeReadSettings;
        frmTerm window(port, state, data, TemperatureUnit::Celsius, nullptr);
        QVERIFY(!window.PBarTerm->isTextVisible());
    }
};

QTEST_MAIN(TermWindowTest)
#include "TermWindowTest.moc"
