#pragma once

#include "data/DataSet.h"
#include "device/CommState.h"
#include "device/ConnectionRunner.h"
#include "device/PortNames.h"
#include "device/SerialPort.h"
#include "shell/Common.h"
#include "shell/MessageSink.h"

#include <map>
#include <memory>

class QWidget;

namespace vestra {

// Connections as the application runs them: the serial port chosen in state.PortNumber (its
// device looked up in the [Ports] entries), opened with OpenCommPort, then the communication
// window, modal over the dialog in front (or the main window when none is).
class CommWindowRunner : public ConnectionRunner {
public:
    CommWindowRunner(CommState& state, DataStore& store, TemperatureUnit unit, PortEntries ports,
                     MessageSink& messages, QWidget* mainWindow);
    ~CommWindowRunner() override;

    bool openPort() override;
    int run(int mode, const DateTime& clockToSet) override;

    // The device serial port number n stands for.
    std::string deviceOf(int portNumber) const { return PortDeviceName(portNumber, ports_); }

private:
    CommState& state_;
    DataStore& store_;
    TemperatureUnit unit_;
    PortEntries ports_;
    MessageSink& messages_;
    QWidget* mainWindow_;
    std::unique_ptr<SerialPort> port_; // exists only from openPort to the end of run
};

// The [Ports] section as read from the settings file, in the form PortDeviceName looks up.
PortEntries PortEntriesOf(const std::map<int, std::string>& portMap);

} // namespace vestra
