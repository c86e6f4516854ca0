#include "CliCommand.h"
#include "DeviceLink.h"
#include "device/PortSurvey.h"

#include <iostream>

namespace vestra::cli {

// Lists the port numbers as the application maps them and every serial port found; touches no
// port and writes no settings.
int RunPorts(const CliContext&, std::span<const std::string> args) {
    if (!args.empty()) {
        return kBadArguments;
    }
    PortSurvey survey = SurveyPorts();
    for (const std::string& line : PortListing(KnownPorts(survey), survey)) {
        std::cout << line << '\n';
    }
    return kExitOk;
}

} // namespace vestra::cli
