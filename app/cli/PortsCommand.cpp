#include "CliCommand.h"
#include "DeviceLink.h"
#include "OutputOptions.h"
#include "StandardOutput.h"
#include "serial/PortListingJson.h"
#include "serial/PortSurvey.h"

namespace vestra::cli {
namespace {

// The columns of the port lines; the lines of the detected ports below follow the same order.
constexpr const char* kPortsHeader = "port\tdevice\tdescription";

} // namespace

// Lists the port numbers as the application maps them and every serial port found; touches no
// port and writes no settings. --json prints the JSON document, --header the column names first.
int RunPorts(const CliContext& context, const CommandArgs& args) {
    OutputFlags flags = OutputFlagsOf(args);
    if (!args.operands.empty() || (flags.json && flags.header)) {
        return kBadArguments;
    }
    PortSurvey survey = SurveyPorts();
    if (flags.json) {
        return PrintText(context, PortListingJson(KnownPorts(survey), survey));
    }
    std::vector<std::string> lines = PortListing(KnownPorts(survey), survey);
    if (flags.header) {
        lines.insert(lines.begin(), kPortsHeader);
    }
    return PrintLines(context, lines);
}

} // namespace vestra::cli
