#include "device/CommWindowRunner.h"

#include "device/CommCtl.h"
#include "device/QtSerialPort.h"
#include "device/frmTerm.h"

#include <QApplication>

namespace vestra {

CommWindowRunner::CommWindowRunner(CommState& state, DataStore& store, TemperatureUnit unit,
                                   PortEntries ports, MessageSink& messages, QWidget* mainWindow)
    : state_(state), store_(store), unit_(std::move(unit)), ports_(std::move(ports)),
      messages_(messages), mainWindow_(mainWindow) {}

CommWindowRunner::~CommWindowRunner() = default;

bool CommWindowRunner::openPort() {
    port_ = std::make_unique<QtSerialPort>(QString::fromStdString(deviceOf(state_.PortNumber)));
    if (!OpenCommPort(*port_, state_, messages_)) {
        port_.reset();
        return false;
    }
    return true;
}

int CommWindowRunner::run(int mode, const DateTime& clockToSet) {
    if (!port_) {
        // Only a caller that skipped openPort gets here; nothing was sent.
        return static_cast<int>(CommResult::ResultLineError);
    }
    state_.CurrentMode = static_cast<ConnectionMode>(mode);
    state_.ClockToSet = clockToSet;
    // The clock dialog and the settings editor own the window of their own connections.
    QWidget* owner = QApplication::activeModalWidget();
    CommResult result = RunCommWindow(*port_, state_, store_, unit_, owner ? owner : mainWindow_);
    port_.reset();
    return static_cast<int>(result);
}

PortEntries PortEntriesOf(const std::map<int, std::string>& portMap) {
    PortEntries entries;
    for (const auto& [number, device] : portMap) {
        entries.emplace_back("COM" + std::to_string(number), device);
    }
    return entries;
}

} // namespace vestra
