#include "devicesettings/frmSetAll.h"

#include <QLabel>
#include <QTableWidget>
#include <QtTest>

namespace vestra {

class frmSetAllTest : public QObject {
    Q_OBJECT

    static DeviceSettings sample() {
        DeviceSettings settings;
        settings.label = "LINE2";
        for (int g = 1; g <= kGroupCount; ++g) {
            settings.group(g).tag = "T" + std::to_string(g);
            settings.group(g).emissivity = 0.95f;
            settings.group(g).alarmHigh = 500;
            settings.group(g).alarmLow = -40;
        }
        settings.group(2).emissivity = 1.0f;
        return settings;
    }

    static QString cell(const frmSetAll& dialog, int row, int column) {
        return dialog.findChild<QTableWidget*>("vsfgSet")->item(row, column)->text();
    }

private slots:
    void listsTheSettings() {
        DeviceSettings settings = sample();
        frmSetAll dialog(settings, TemperatureUnit::Celsius);
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ 設定一覧表示"));
        QCOMPARE(dialog.findChild<QLabel*>("lblLabel")->text(), QString("LINE2"));
        auto* grid = dialog.findChild<QTableWidget*>("vsfgSet");
        QCOMPARE(grid->rowCount(), 16);
        QCOMPARE(grid->columnCount(), 5);
        QCOMPARE(cell(dialog, 0, 3), QString::fromUtf8("上限値(ﾟC)"));
        QCOMPARE(cell(dialog, 2, 0), QString("2"));
        QCOMPARE(cell(dialog, 2, 1), QString("T2"));
        QCOMPARE(cell(dialog, 2, 2), QString("1.00"));
        QCOMPARE(cell(dialog, 15, 2), QString("0.95"));
        QCOMPARE(cell(dialog, 15, 3), QString("500"));
        QCOMPARE(cell(dialog, 15, 4), QString("-40"));
        // The whole table fits, the columns at least as wide as 825, 1050 and 975 twips.
        QVERIFY(grid->columnWidth(1) >= 1050 / 15);
        QVERIFY(grid->width() > grid->columnWidth(0) + 3 * grid->columnWidth(2));
    }

    void numbersStandToTheRightAndTextsToTheLeft() {
        frmSetAll dialog(sample(), TemperatureUnit::Celsius);
        auto* grid = dialog.findChild<QTableWidget*>("vsfgSet");
        for (int column : {2, 3, 4}) {
            QVERIFY(grid->item(5, column)->textAlignment() & Qt::AlignRight);
        }
        QVERIFY(!(grid->item(5, 1)->textAlignment() & Qt::AlignRight));
        QVERIFY(!(grid->item(0, 3)->textAlignment() & Qt::AlignRight));
    }

    void onlyTheSetButtonRequestsSending() {
        DeviceSettings settings = sample();
        frmSetAll first(settings, TemperatureUnit::Fahrenheit);
        QCOMPARE(cell(first, 0, 4), QString::fromUtf8("下限値(ﾟF)"));
        first.show();
        first.cmdSet_Click();
        QVERIFY(first.sendRequested());
        QVERIFY(!first.isVisible());

        frmSetAll second(settings, TemperatureUnit::Fahrenheit);
        second.show();
        second.close();
        QVERIFY(!second.sendRequested());

        frmSetAll third(settings, TemperatureUnit::Fahrenheit);
        third.show();
        third.cmdCancel_Click();
        QVERIFY(!third.sendRequested());
        QVERIFY(!third.isVisible());
    }
};

} // namespace vestra

QTEST_MAIN(vestra::frmSetAllTest)
#include "frmSetAllTest.moc"
