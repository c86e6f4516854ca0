#pragma once

#include "CliCommand.h"
#include "data/DataSet.h"
#include "device/CommState.h"
#include "device/ConnectionOutcome.h"
#include "serial/PortSurvey.h"

#include <map>
#include <span>
#include <string>

namespace vestra::cli {

// The device a --port value names: COMn (any letter case) mapped as the application maps its
// port numbers (KnownPorts); anything else is a device path as given (/dev/ttyUSB0, a
// /dev/serial/by-id/ link).
std::string PortDevicePath(const std::string& port);

// The port numbers the application would use: the [Ports] section of the settings file, plus
// the numbers the application gives to the survey's adapters it does not name yet (not saved:
// the tool never writes the settings file).
std::map<int, std::string> KnownPorts(const PortSurvey& survey);

// One connection to the thermometer at port, as the application runs it: opens the port
// (telling why when it cannot), wakes and greets the thermometer, does the operation of mode,
// says goodbye, closes the port, and tells why the connection failed if it did. The reading
// modes fill store.importBuffer (the outcome's received data set); ModeSetClock sends
// clockToSet, ModeSendSettings store.deviceSettings. status is kExitOk, kExitPortError or
// kExitLinkFailure; a port that could not be opened has run no connection.
struct DeviceRun {
    int status;
    ConnectionOutcome outcome;
};
DeviceRun RunDeviceConnection(const CliContext& context, const std::string& port,
                              ConnectionMode mode, DataStore& store,
                              const DateTime& clockToSet = {});

// A command whose only option is --port (required, so present): runs one connection in mode and,
// when it succeeded, shows completed. Returns an exit status, or kBadArguments.
int RunPortCommand(const CliContext& context, const CommandArgs& args, ConnectionMode mode,
                   const std::string& completed);

} // namespace vestra::cli
