#include "device/QtCommWindowRunner.h"

#include "base/FileFault.h"
#include "device/CommCtl.h"
#include "device/frmTerm.h"
#include "serial/PosixSerialPort.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <cstdio>
#include <cstdlib>

namespace vestra {
namespace {

// A technician's switch, not the user's business: the window carries on, and one note in the
// status bar (the path and the reason in its tool tip) tells that the transcript is incomplete.
void showTraceFault(QWidget* mainWindow, const std::string& path, const std::string& reason) {
    std::string line = FileFaultLine(path, reason);
    std::fprintf(stderr, "vestra: VESTRA_TRACE: %s\n", line.c_str());
    auto* window = qobject_cast<QMainWindow*>(mainWindow);
    if (window == nullptr) {
        return;
    }
    auto* note = window->findChild<QLabel*>("TraceNote");
    if (note == nullptr) {
        note = new QLabel(QString::fromUtf8("通信記録を書けません"));
        note->setObjectName("TraceNote");
        window->statusBar()->addPermanentWidget(note);
    }
    note->setToolTip(QString::fromStdString(line));
    note->show();
}

} // namespace

QtCommWindowRunner::QtCommWindowRunner(CommState& state, DataStore& store, TemperatureUnit unit,
                                       PortEntries ports, MessageSink& messages,
                                       QWidget* mainWindow)
    : state_(state), store_(store), unit_(unit), ports_(std::move(ports)), messages_(messages),
      mainWindow_(mainWindow) {
    const char* tracePath = std::getenv("VESTRA_TRACE");
    if (tracePath == nullptr || *tracePath == '\0') {
        return;
    }
    tracePath_ = tracePath;
    trace_ = std::make_unique<LineTrace>();
    std::string reason;
    if (!trace_->open(tracePath_, reason)) {
        showTraceFault(mainWindow_, tracePath_, reason);
        trace_.reset();
    }
}

void QtCommWindowRunner::flushTrace() {
    std::string reason;
    if (trace_ && !trace_->flush(reason)) {
        showTraceFault(mainWindow_, tracePath_, reason);
        trace_.reset();
    }
}

QtCommWindowRunner::~QtCommWindowRunner() = default;

bool QtCommWindowRunner::openPort() {
    std::string device = deviceOf(state_.PortNumber);
    port_ = std::make_unique<PosixSerialPort>(device, waiter_);
    if (trace_) {
        trace_->note("port " + device);
    }
    if (!OpenCommPort(*port_, state_, messages_)) {
        if (trace_) {
            trace_->note("the port could not be opened");
        }
        flushTrace();
        port_.reset();
        return false;
    }
    return true;
}

ConnectionOutcome QtCommWindowRunner::run(ConnectionMode mode, const DateTime& clockToSet) {
    if (!port_) {
        // Only a caller that skipped openPort gets here; nothing was sent.
        return {CommResult::ResultLineError, {}, {}};
    }
    state_.CurrentMode = mode;
    state_.ClockToSet = clockToSet;
    // The clock dialog and the settings editor own the window of their own connections.
    QWidget* owner = QApplication::activeModalWidget();
    ConnectionOutcome outcome =
        RunCommWindow(*port_, state_, store_, unit_, owner ? owner : mainWindow_, trace_.get());
    port_.reset();
    flushTrace();
    return outcome;
}

} // namespace vestra
