#include "base/QtCloseGuard.h"
#include "session/frmAbout.h"
#include "start/QtSingleInstance.h"
#include "start/frmSplash.h"

#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>

using namespace vestra;
using namespace std::chrono_literals;

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

    // A later start that sends its line a byte every 300 ms is dropped once its second is up,
    // holding up neither the window's events (a real start is taken meanwhile) nor the start.
    void aSlowLaterStartHoldsUpNeitherTheWindowNorAnother() {
        QTemporaryDir folder;
        QString name = folder.filePath(QStringLiteral("Config/VESTRA.INI"));
        QtSingleInstance first(name), second(name);
        QStringList taken;
        first.listen([&taken](const QString& file) { taken << file; });
        QElapsedTimer clock;
        clock.start();
        std::atomic<bool> dropped = false, handed = false;
        std::jthread slow([&] {
            int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{AF_UNIX, {}};
            (name + QStringLiteral(".sock")).toStdString().copy(address.sun_path, 100);
            ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
            for (int i = 0; i < 20 && !dropped; ++i, std::this_thread::sleep_for(300ms)) {
                dropped = ::send(fd, "/", 1, MSG_NOSIGNAL) != 1;
            }
            ::close(fd);
        });
        std::jthread later([&] {
            std::this_thread::sleep_for(100ms);
            handed = second.handOver(QStringLiteral("/data/pump.qmc"));
        });
        QTRY_COMPARE_WITH_TIMEOUT(taken.size(), 1, 800);
        QTRY_VERIFY_WITH_TIMEOUT(dropped && handed, 3000);
        QVERIFY(clock.elapsed() >= 900 && clock.elapsed() < 2000);
    }

    // Forty hand-overs while the window asks about one: no question is stacked on it, each start
    // is answered, only the newest file is taken (the last start, without a file, replaces none).
    void handOversWhileAQuestionIsOpenAreTakenOneAtATime() {
        QTemporaryDir folder;
        QString name = folder.filePath(QStringLiteral("Config/VESTRA.INI"));
        QtSingleInstance first(name), second(name);
        std::atomic<int> handed = 0;
        QStringList taken;
        int open = 0, mostOpen = 0;
        first.listen([&](const QString& file) {
            taken << file;
            mostOpen = std::max(mostOpen, ++open);
            QDialog question;
            QTimer answer;
            answer.callOnTimeout([&] { question.setVisible(handed < 41); });
            answer.start(10);
            question.exec();
            --open;
        });
        std::jthread later([&] {
            for (int i = 0; i <= 40; ++i) {
                handed += second.handOver(i < 40 ? QStringLiteral("/data/%1.qmc").arg(i) : "");
            }
        });
        QTRY_COMPARE_WITH_TIMEOUT(handed.load(), 41, 30000);
        QTRY_COMPARE(open, 0);
        QCOMPARE(mostOpen, 1);
        QCOMPARE(taken.join(u' '), QStringLiteral("/data/0.qmc /data/39.qmc"));
    }

    // In a runtime folder others may write in, a running copy does not listen and says why,
    // and a later start hands nothing over.
    void aRunningCopyInASharedRuntimeFolderSaysItDoesNotListen() {
        QTemporaryDir folder;
        QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7777));
        qputenv("XDG_RUNTIME_DIR", folder.path().toUtf8());
        QString deep = folder.filePath(QString(120, QLatin1Char('d')) + QStringLiteral("/V.INI"));
        QtSingleInstance first(deep), second(deep);
        QCOMPARE(first.listen([](const QString&) {}).value().cause,
                 HandOverFaultCause::SharedFolder);
        QVERIFY(!second.handOver(QString()));
        qunsetenv("XDG_RUNTIME_DIR");
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
