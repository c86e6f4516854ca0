#include "device/frmTerm.h"

#include "base/AppInfo.h"
#include "base/QtCloseGuard.h"
#include "device/ReadingProgress.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vestra {

frmTerm::frmTerm(SerialPort& port, CommState& state, DataStore& data, TemperatureUnit unit,
                 QWidget* owner, LineTrace* trace)
    : QDialog(owner), connection_(std::make_unique<Connection>(port, state, data, unit, *this)),
      importBuffer_(data.importBuffer),
      countsReadings_(state.CurrentMode == ConnectionMode::ModeImportMemory) {
    connection_->setTrace(trace);
    setWindowTitle(QString::fromUtf8(kAppTitle) + QStringLiteral(" 通信"));
    if (owner) {
        move(owner->window()->geometry().topLeft());
    }
    lblTermInf = new QLabel(QStringLiteral("通信状態を表示させます"), this);
    lblTermInf->setMinimumWidth(320);
    PBarTerm = new QProgressBar(this);
    PBarTerm->setRange(0, 18);
    PBarTerm->setValue(0);
    PBarTerm->setTextVisible(countsReadings_);
    PBarTerm->setFormat(QString::fromStdString(ReadingProgressText(DataSet{})));
    cmdTermStart = new QPushButton(QStringLiteral("通信開始"), this);
    cmdTermStart->hide();
    cmdCancel = new QPushButton(QStringLiteral("中止"), this);
    cmdCancel->setVisible(IsCancellable(state.CurrentMode));
    cmdCancel->setAutoDefault(false);
    tmrTermStart = new QTimer(this);
    tmrTermStart->setInterval(Connection::kStartDelayMs);
    // A coarse timer may fire up to 5 % late: 50 ms lost before every connection.
    tmrTermStart->setTimerType(Qt::PreciseTimer);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTermInf);
    layout->addWidget(PBarTerm);
    layout->addWidget(cmdCancel, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(tmrTermStart, &QTimer::timeout, cmdTermStart, &QPushButton::click);
    connect(cmdTermStart, &QPushButton::clicked, this, &frmTerm::cmdTermStart_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTerm::cmdCancel_Click);
    DisableCloseCommand(this);
}

frmTerm::~frmTerm() = default;

void frmTerm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (woken_) {
        return;
    }
    woken_ = true;
    // The wake-up break blocks briefly; the start timer counts from here, as on load.
    tmrTermStart->start();
    connection_->wakeUp();
}

void frmTerm::cmdTermStart_Click() {
    if (!cmdTermStart->isEnabled()) {
        return;
    }
    tmrTermStart->stop();
    cmdTermStart->setEnabled(false);
    outcome_ = connection_->run();
    ReleaseCloseCommand(this);
    accept();
}

void frmTerm::cmdCancel_Click() {
    connection_->cancel();
}

void frmTerm::showStatus(const std::string& text) {
    lblTermInf->setText(QString::fromStdString(text));
}

void frmTerm::showProgress(int value) {
    PBarTerm->setValue(value);
    if (countsReadings_) {
        PBarTerm->setFormat(QString::fromStdString(ReadingProgressText(importBuffer_)));
    }
}

void frmTerm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (cmdCancel->isVisible()) {
            cmdCancel->click();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

// Esc and the window manager must not end a running connection; only the connection does.
void frmTerm::reject() {}

ConnectionOutcome RunCommWindow(SerialPort& port, CommState& state, DataStore& data,
                                TemperatureUnit unit, QWidget* owner, LineTrace* trace) {
    frmTerm window(port, state, data, unit, owner, trace);
    window.exec();
    if (owner) {
        owner->activateWindow();
    }
    return window.outcome();
}

} // namespace vestra
