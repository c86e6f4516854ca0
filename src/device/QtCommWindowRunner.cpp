#include "device/QtCommWindowRunner.h"

#include "device/CommCtl.h"
#include "device/frmTerm.h"
#include "serial/PosixSerialPort.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace vestra {

CommWindowRunner::CommWindowRunner(CommState& state, DataStore& store, TemperatureUnit unit,
                                   PortEntries ports, MessageSink& messages, QWidget* mainWindow)
    : state_(state), store_(store), unit_(std::move(unit)), ports_(std::move(ports)),
      messages_(messages), mainWindow_(mainWindow) {
    const char* tracePath = std::getenv("VESTRA_TRACE");
    if (tracePath == nullptr || *tracePath == '\0') {
        return;
    }
    trace_ = std::make_unique<LineTrace>();
    std::string reason;
    if (!trace_->open(tracePath, reason)) {
        // A technician's switch, not the user's business: the window carries on without it.
        std::fprintf(stderr, "vestra: VESTRA_TRACE: %s\n", reason.c_str());
        trace_.reset();
    }
}

CommWindowRunner::~CommWindowRunner() = default;

bool CommWindowRunner::openPort() {
    std::string device = deviceOf(state_.PortNumber);
    port_ = std::make_unique<PosixSerialPort>(device, waiter_);
    if (trace_) {
        trace_->note("port " + device);
    }
    if (!OpenCommPort(*port_, state_, messages_)) {
        if (trace_) {
            trace_->note("the port could not be opened");
            trace_->flush();
        }
        port_.reset();
        return false;
    }
    return true;
}

CommResult CommWindowRunner::run(ConnectionMode mode, const DateTime& clockToSet) {
    if (!port_) {
        // Only a caller that skipped openPort gets here; nothing was sent.
        return CommResult::ResultLineError;
    }
    state_.CurrentMode = mode;
    state_.ClockToSet = clockToSet;
    // The clock dialog and the settings editor own the window of their own connections.
    QWidget* owner = QApplication::activeModalWidget();
    CommResult result =
        RunCommWindow(*port_, state_, store_, unit_, owner ? owner : mainWindow_, trace_.get());
    port_.reset();
    if (trace_) {
        trace_->flush();
    }
    return result;
}

} // namespace vestra
