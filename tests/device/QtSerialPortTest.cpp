#include "device/QtSerialPort.h"

#include "SimPty.h"

#include <QElapsedTimer>
#include <QTest>
#include <unistd.h>

using vestra::PortEvent;

// The application's port against a pseudo-terminal; the test plays the thermometer.
class QtSerialPortTest : public QObject {
    Q_OBJECT

private:
    vestra::sim::PseudoTerminal pty;
    std::unique_ptr<vestra::QtSerialPort> port;

    PortEvent firstEventBesidesTicks(int maxTicks) {
        for (int ticks = 0;;) {
            PortEvent event = port->waitEvent();
            if (event != PortEvent::Tick || ++ticks > maxTicks) {
                return event;
            }
        }
    }

private slots:
    void init() {
        std::string error;
        QVERIFY2(pty.open(error), error.c_str());
        port = std::make_unique<vestra::QtSerialPort>(QString::fromStdString(pty.slavePath()));
        std::string reason;
        QVERIFY2(port->open(reason), reason.c_str());
    }

    void cleanup() {
        port.reset();
        pty.close();
    }

    void carriesBytesBothWaysDespiteRefusedLineControls() {
        port->setDtr(true);
        port->setRts(true);
        port->setBreak(true);
        port->setBreak(false);
        port->write("HEL\r\n");
        port->drain();
        char buffer[16] = {};
        QTest::qWait(50);
        QCOMPARE(read(pty.master(), buffer, sizeof buffer), ssize_t(5));
        QCOMPARE(QByteArray(buffer, 5), QByteArray("HEL\r\n"));

        QCOMPARE(write(pty.master(), "OK\r\n\xDF", 5), ssize_t(5));
        QCOMPARE(firstEventBesidesTicks(20), PortEvent::Received);
        QTest::qWait(20);
        QCOMPARE(port->inputCount(), std::size_t(5));
        QCOMPARE(port->readAll(), std::string("OK\r\n\xDF"));
        QCOMPARE(port->inputCount(), std::size_t(0));
    }

    void ticksComeEveryHundredMilliseconds() {
        port->resetTicks();
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(port->waitEvent(), PortEvent::Tick);
        }
        QVERIFY(clock.elapsed() >= 490);
        QVERIFY2(clock.elapsed() < 2000, QByteArray::number(clock.elapsed()));
    }

    void vanishedPeerIsALineError() {
        pty.close();
        QCOMPARE(firstEventBesidesTicks(20), PortEvent::LineError);
    }

    void missingDeviceGivesTheReason() {
        vestra::QtSerialPort missing("/dev/nonexistent");
        std::string reason;
        QVERIFY(!missing.open(reason));
        QCOMPARE(QString::fromStdString(reason),
                 QString::fromUtf8("/dev/nonexistent が見つかりません。"));
    }
};

QTEST_GUILESS_MAIN(QtSerialPortTest)
#include "QtSerialPortTest.moc"
