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

namespace {

// A later start that sends a byte of its line every 300 ms, for six seconds at most: the
// milliseconds after which the running copy dropped it, -1 when it did not.
int dripUntilDropped(const QString& socket) {
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{AF_UNIX, {}};
    socket.toStdString().copy(address.sun_path, sizeof address.sun_path - 1);
    QElapsedTimer clock;
    clock.start();
    int dropped = -1;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        for (int i = 0; i < 20 && dropped < 0; ++i, std::this_thread::sleep_for(300ms)) {
            if (::send(fd, "/", 1, MSG_NOSIGNAL) != 1) {
                dropped = int(clock.elapsed());
            }
        }
    }
    ::close(fd);
    return dropped;
}

} // namespace

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
        auto first = std::make_unique<SingleInstance>(name);
        QVERIFY(first->acquired());
        SingleInstance second(name);
        QVERIFY(!second.acquired());
        first.reset();
        SingleInstance third(name);
        QVERIFY(third.acquired());
    }

    // A later start hands its file to the running copy and ends; the running copy takes it in
    // its event loop. Without a running copy listening nothing is handed over.
    void aLaterStartHandsItsFileToTheRunningCopy() {
        QTemporaryDir folder;
        QString name = folder.filePath(QStringLiteral("Config/VESTRA.INI"));
        SingleInstance first(name);
        SingleInstance second(name);
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

    // A later start that sends its line slowly is dropped once its second is up, without
    // holding up the window's events or another start meanwhile.
    void aSlowLaterStartHoldsUpNeitherTheWindowNorAnother() {
        QTemporaryDir folder;
        QString name = folder.filePath(QStringLiteral("Config/VESTRA.INI"));
        SingleInstance first(name);
        SingleInstance second(name);
        QStringList taken;
        first.listen([&taken](const QString& file) { taken << file; });
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(20);
        std::atomic<int> droppedAfterMs = -2;
        std::jthread slow(
            [&] { droppedAfterMs = dripUntilDropped(name + QStringLiteral(".sock")); });
        bool handed = false;
        std::jthread later([&] {
            std::this_thread::sleep_for(100ms);
            handed = second.handOver(QStringLiteral("/data/pump.qmc"));
        });
        QTRY_COMPARE_WITH_TIMEOUT(taken.size(), 1, 800);
        QTRY_VERIFY_WITH_TIMEOUT(droppedAfterMs != -2, 3000);
        later.join();
        slow.join();
        QVERIFY(handed);
        QVERIFY2(droppedAfterMs >= 900 && droppedAfterMs < 2000,
                 qPrintable(QString::number(droppedAfterMs)));
        QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks)));
    }

    // While the window asks about one hand-over, forty more come: no second question is
    // stacked on the first, every later start gets its answer, and only the newest is taken.
    void handOversWhileAQuestionIsOpenAreTakenOneAtATime() {
        QTemporaryDir folder;
        QString name = folder.filePath(QStringLiteral("Config/VESTRA.INI"));
        SingleInstance first(name);
        SingleInstance second(name);
        std::atomic<int> handed = 0;
        QStringList taken;
        int open = 0, mostOpen = 0;
        first.listen([&](const QString& file) {
            taken << file;
            mostOpen = std::max(mostOpen, ++open);
            QDialog question;
            QTimer answer;
            connect(&answer, &QTimer::timeout, [&] {
                if (handed == 41) {
                    question.accept();
                }
            });
            answer.start(10);
            question.exec();
            --open;
        });
        std::jthread later([&] {
            for (int i = 0; i <= 40; ++i) {
                handed += second.handOver(QStringLiteral("/data/%1.qmc").arg(i));
            }
        });
        QTRY_COMPARE_WITH_TIMEOUT(handed.load(), 41, 30000);
        later.join();
        QTRY_COMPARE(open, 0);
        QCOMPARE(mostOpen, 1);
        QCOMPARE(taken,
                 QStringList({QStringLiteral("/data/0.qmc"), QStringLiteral("/data/40.qmc")}));
    }

    // A running copy that cannot listen says why, and a later start then hands nothing over:
    // a socket name taken by a folder, a runtime folder others may write in.
    void aRunningCopyThatCannotListenSaysWhy() {
        QTemporaryDir folder;
        QString name = folder.filePath(QStringLiteral("Config/VESTRA.INI"));
        QDir().mkpath(name + QStringLiteral(".sock"));
        QString deep =
            folder.filePath(QString(120, QLatin1Char('d')) + QStringLiteral("/VESTRA.INI"));
        QString shared = folder.filePath(QStringLiteral("shared"));
        QDir().mkpath(shared);
        QFile::setPermissions(shared, QFileDevice::Permissions(0x7777));
        qputenv("XDG_RUNTIME_DIR", shared.toUtf8());
        const std::pair<QString, HandOverFaultCause> cases[] = {
            {name, HandOverFaultCause::SocketNotMade},
            {deep, HandOverFaultCause::SharedFolder},
        };
        for (const auto& [settings, cause] : cases) {
            SingleInstance first(settings);
            SingleInstance second(settings);
            std::optional<HandOverFault> fault = first.listen([](const QString&) {});
            QVERIFY(fault.has_value());
            QCOMPARE(fault->cause, cause);
            QVERIFY(!second.handOver(QString()));
        }
        qunsetenv("XDG_RUNTIME_DIR");
    }

    // A folder that cannot hold the lock is not taken for a running copy.
    void aFolderThatCannotHoldTheLockIsNoRunningCopy() {
        QTemporaryDir folder;
        QFile(folder.filePath(QStringLiteral("Config"))).open(QIODevice::WriteOnly);
        SingleInstance instance(folder.filePath(QStringLiteral("Config/VESTRA.INI")));
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
        SingleInstance first(real);
        QVERIFY(first.acquired());
        SingleInstance second(link);
        QVERIFY(!second.acquired());
        SingleInstance other(folder.filePath(QStringLiteral("other/VESTRA.INI")));
        QVERIFY(other.acquired());
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "StartWindowsTest.moc"
