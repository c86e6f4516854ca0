#include "base/QtCloseGuard.h"
#include "session/frmAbout.h"
#include "start/QtSingleInstance.h"
#include "start/frmSplash.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <thread>

using namespace vestra;

class ShellWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void aboutBoxShowsTheVersionRecord() {
        frmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄのﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(about.lblVersion->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 2.00  (32bit)  ☆080301☆"));
        QVERIFY(about.lblDescription->text().contains(QStringLiteral("\n")));
        QVERIFY(!about.lblDescription->text().contains(QStringLiteral("\r")));
    }

    void disabledCloseCommandIgnoresCloseRequests() {
        QWidget window;
        DisableCloseCommand(&window);
        window.show();
        QVERIFY(!(window.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        ReleaseCloseCommand(&window);
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
    }

    void askModeWaitsWithTheStoredTypePreselected() {
        frmSplash splash(TemperatureUnit::Fahrenheit, true);
        QVERIFY(splash.optType[1]->isChecked());
        QVERIFY(!splash.optType[1]->isHidden());
        QVERIFY(!splash.tmrOpen->isActive());
        splash.optType[0]->setChecked(true);
        splash.chkType->setChecked(true);
        splash.cmdOK_Click();
        QCOMPARE(splash.result(), int(QDialog::Accepted));
        QCOMPARE(splash.currentUnit(), TemperatureUnit::Celsius);
        QVERIFY(!splash.askModelType());
    }

    void enterOnAnOptionActsAsOk() {
        frmSplash splash(TemperatureUnit::Celsius, true);
        splash.show();
        splash.optType[1]->setChecked(true);
        splash.optType[1]->setFocus();
        QTest::keyClick(splash.optType[1], Qt::Key_Return);
        QCOMPARE(splash.result(), int(QDialog::Accepted));
        QCOMPARE(splash.currentUnit(), TemperatureUnit::Fahrenheit);
    }

    void splashModeShowsTheUnitAndGoesOnByItself() {
        frmSplash splash(TemperatureUnit::Fahrenheit, false);
        QVERIFY(splash.optType[0]->isHidden());
        QVERIFY(splash.cmdOK->isHidden());
        QVERIFY(!splash.chkType->isEnabled());
        QCOMPARE(splash.lblMSG[1]->text(), QStringLiteral("測定単位 ﾟF 対応"));
        QCOMPARE(splash.tmrOpen->interval(), 2000);
        QSignalSpy accepted(&splash, &QDialog::accepted);
        splash.show();
        QTRY_COMPARE_WITH_TIMEOUT(accepted.count(), 1, 5000);
        QCOMPARE(splash.currentUnit(), TemperatureUnit::Fahrenheit);
        QVERIFY(!splash.askModelType());
    }

    void closingWithoutOkIsNotAccepted() {
        frmSplash splash(TemperatureUnit::Celsius, true);
        splash.show();
        QTest::keyClick(&splash, Qt::Key_Escape);
        QVERIFY(splash.isVisible());
        splash.close();
        QCOMPARE(splash.result(), int(QDialog::Rejected));
    }

    void aSecondInstanceIsRefusedUntilTheFirstEnds() {
        QTemporaryDir folder;
        QString name = folder.filePath(QStringLiteral("Config/VESTRA.INI"));
        auto first = std::make_unique<QtSingleInstance>(name);
        QVERIFY(first->acquired());
        QtSingleInstance second(name);
        QVERIFY(!second.acquired());
        first.reset();
        QtSingleInstance third(name);
        QVERIFY(third.acquired());
    }

    // A later start hands its file to the running copy and ends; the running copy takes it in
    // its event loop. Without a running copy listening nothing is handed over.
    void aLaterStartHandsItsFileToTheRunningCopy() {
        QTemporaryDir folder;
        QString name = folder.filePath(QStringLiteral("Config/VESTRA.INI"));
        QtSingleInstance first(name);
        QtSingleInstance second(name);
        QCOMPARE(second.state(), InstanceLock::HeldByRunningCopy);
        QVERIFY(!second.handOver(QStringLiteral("/data/early.qmc")));
        QStringList taken;
        first.listen([&taken](const QString& file) { taken << file; });
        for (const QString& file : {QStringLiteral("/data/pump room.qmf"), QString()}) {
            bool handed = false;
            std::thread later([&] { handed = second.handOver(file); });
            QTRY_COMPARE(taken.size(), file.isEmpty() ? 2 : 1);
            later.join();
            QVERIFY(handed);
            QCOMPARE(taken.last(), file);
        }
    }

    // A folder that cannot hold the lock is not taken for a running copy.
    void aFolderThatCannotHoldTheLockIsNoRunningCopy() {
        QTemporaryDir folder;
        QFile(folder.filePath(QStringLiteral("Config"))).open(QIODevice::WriteOnly);
        QtSingleInstance instance(folder.filePath(QStringLiteral("Config/VESTRA.INI")));
        QCOMPARE(instance.state(), InstanceLock::Unavailable);
        QVERIFY(!instance.handOver(QString()));
    }

    // A settings file kept elsewhere and linked into the configuration folder is one file.
    void theLockFollowsTheSettingsFileNotItsName() {
        QTemporaryDir folder;
        QString real = folder.filePath(QStringLiteral("VESTRA.INI"));
        QString link = folder.filePath(QStringLiteral("linked.INI"));
        QFile(real).open(QIODevice::WriteOnly);
        QVERIFY(QFile::link(real, link));
        QtSingleInstance first(real);
        QVERIFY(first.acquired());
        QtSingleInstance second(link);
        QVERIFY(!second.acquired());
        QtSingleInstance other(folder.filePath(QStringLiteral("other/VESTRA.INI")));
        QVERIFY(other.acquired());
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "StartWindowsTest.moc"
