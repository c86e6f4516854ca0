#include "CliCommand.h"
#include "DeviceLink.h"
#include "StandardOutput.h"
#include "serial/PortSurvey.h"

namespace vestra::cli {

// Lists the port numbers as the application maps them and every serial port found; touches no
// port and writes no settings.
int RunPorts(const CliContext& context, const CommandArgs& args) {
    if (!args.operands.empty()) {
        return kBadArguments;
    }
    PortSurvey survey = SurveyPorts();
    return PrintLines(context, PortListing(KnownPorts(survey), survey));
}

} // namespace vestra::cli
