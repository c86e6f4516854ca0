#pragma once

#include "base/MessageSink.h"
#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "device/CommState.h"
#include "device/ConnectionRunner.h"
#include "serial/LineTrace.h"
#include "serial/PortNames.h"
#include "serial/QtPortWaiter.h"
#include "serial/SerialPort.h"

#include <memory>

class QWidget;

namespace vestra {

// Connections as the application runs them: the serial port chosen in state.PortNumber (its
// device looked up in the [Ports] entries), opened with OpenCommPort, then the communication
// window, modal over the dialog in front (or the main window when none is). When the
// environment variable VESTRA_TRACE names a file, every connection of the run is recorded there
// (see LineTrace); the program writes no such file otherwise. A transcript that cannot be
// written is a note in the main window's status bar.
class QtCommWindowRunner : public ConnectionRunner {
public:
    QtCommWindowRunner(CommState& state, DataStore& store, TemperatureUnit unit, PortEntries ports,
                       MessageSink& messages, QWidget* mainWindow);
    ~QtCommWindowRunner() override;

    bool openPort() override;
    ConnectionOutcome run(ConnectionMode mode, const DateTime& clockToSet) override;

    // The device serial port number n stands for.
    std::string deviceOf(int portNumber) const { return PortDeviceName(portNumber, ports_); }

private:
    void flushTrace();

    CommState& state_;
    DataStore& store_;
    TemperatureUnit unit_;
    PortEntries ports_;
    MessageSink& messages_;
    QWidget* mainWindow_;
    QtPortWaiter waiter_;
    std::string tracePath_;
    std::unique_ptr<LineTrace> trace_; // only while VESTRA_TRACE asks for one and can be written
    std::unique_ptr<SerialPort> port_; // exists only from openPort to the end of run
};

} // namespace vestra
