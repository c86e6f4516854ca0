#include "DeviceLink.h"

#include "ConsoleMessages.h"
#include "StopSignals.h"
#include "base/FileFunc.h"
#include "base/Settings.h"
#include "device/CommCtl.h"
#include "device/CommResultMessages.h"
#include "device/Connection.h"
#include "files/FileErrors.h"
#include "serial/LineTrace.h"
#include "serial/PortNames.h"
#include "serial/PortSurvey.h"
#include "serial/PosixSerialPort.h"

namespace vestra::cli {
namespace {

// A batch has no status line or progress bar to keep up to date.
class SilentObserver : public CommObserver {
public:
    void showStatus(const std::string&) override {}
    void showProgress(int) override {}
};

} // namespace

std::string PortDevicePath(const std::string& port) {
    int number = ComPortNumber(port);
    if (number < 1) {
        return port;
    }
    return PortDeviceName(number, PortEntriesOf(KnownPorts(SurveyPorts())));
}

std::map<int, std::string> KnownPorts(const PortSurvey& survey) {
    std::optional<std::string> settings = SettingsFilePath();
    std::map<int, std::string> ports;
    if (settings && FileExists(*settings)) {
        ports = ReadPortMap(*settings);
    }
    AssignNewAdapters(ports, survey);
    return ports;
}

DeviceRun RunDeviceConnection(const CliContext& context, const std::string& port,
                              ConnectionMode mode, DataStore& store, const DateTime& clockToSet) {
    LineTrace& trace = context.trace;
    if (!context.tracePath.empty() && !trace.isOpen()) {
        std::string reason;
        if (!trace.open(context.tracePath, reason)) {
            ShowSaveError(context.messages, context.tracePath, reason);
            return {kExitFileError, {}};
        }
    }
    StopSignals signals;
    PollWaiter waiter(signals.wakeFd());
    std::string device = PortDevicePath(port);
    PosixSerialPort serial(device, waiter);
    CommState state;
    trace.note("port " + device);
    if (!OpenCommPort(serial, state, context.messages)) {
        trace.note("the port could not be opened");
        return {kExitPortError, {}};
    }
    state.CurrentMode = mode;
    state.ClockToSet = clockToSet;
    SilentObserver observer;
    Connection connection(serial, state, store, context.unit, observer);
    connection.setTrace(context.tracePath.empty() ? nullptr : &trace);
    waiter.setOnWake([&] {
        signals.drain();
        connection.cancel();
    });
    ConnectionOutcome outcome = connection.runFromStart();
    if (!outcome.ok()) {
        // Every result is a failure of the command, the abort too (whose message box carries
        // the information icon): standard output may be the data, and stays empty.
        ConsoleMessages failures(STDERR_FILENO);
        ShowCommResult(failures, outcome.result);
        return {kExitLinkFailure, std::move(outcome)};
    }
    return {kExitOk, std::move(outcome)};
}

int RunPortCommand(const CliContext& context, const CommandArgs& args, ConnectionMode mode,
                   const std::string& completed) {
    if (!args.operands.empty()) {
        return kBadArguments;
    }
    DataStore store;
    int status = RunDeviceConnection(context, *args.option("--port"), mode, store).status;
    if (status == kExitOk) {
        context.messages.showMessage(completed, MessageIcon::Information);
    }
    return status;
}

} // namespace vestra::cli
