#include "CliCommand.h"
#include "DeviceLink.h"
#include "OutputOptions.h"
#include "StandardOutput.h"
#include "data/ValueFormat.h"
#include "device/ClockInput.h"
#include "device/DeviceOperationTexts.h"
#include "files/JsonExport.h"

#include <sstream>

namespace vestra::cli {
namespace {

// "YYYY/MM/DD hh:mm:ss" (also with '-' between the date parts) as the six boxes of the clock
// dialog; a text of another shape leaves boxes empty, which the dialog's check refuses.
ClockBoxes boxesOf(const std::string& text) {
    std::istringstream in(text);
    std::string date;
    std::string time;
    std::string surplus;
    in >> date >> time;
    ClockBoxes boxes;
    if (in >> surplus) {
        return boxes;
    }
    std::size_t field = 0;
    for (char c : date + '/' + time) {
        if (c == '/' || c == '-' || c == ':') {
            if (++field == boxes.size()) {
                return {};
            }
        } else {
            boxes[field] += c;
        }
    }
    return field + 1 == boxes.size() ? boxes : ClockBoxes{};
}

constexpr const char* kClockHeader = "clock";

int setClock(const CliContext& context, const std::string& port, const std::string& text) {
    std::optional<DateTime> clock = ReadClockBoxes(boxesOf(text), context.messages);
    if (!clock) {
        return kExitUsage;
    }
    DataStore store;
    int status =
        RunDeviceConnection(context, port, ConnectionMode::ModeSetClock, store, *clock).status;
    if (status == kExitOk) {
        context.messages.showMessage(ClockSetCompletedText(), MessageIcon::Information);
    }
    return status;
}

} // namespace

// Reads the thermometer's clock and prints it as "YYYY/MM/DD hh:mm:ss", or sets it, after the
// checks of the clock dialog. --json prints the JSON document, --header a column name first.
int RunClock(const CliContext& context, const CommandArgs& args) {
    OutputFlags flags = OutputFlagsOf(args);
    if (!args.operands.empty() || (flags.json && flags.header)) {
        return kBadArguments;
    }
    const std::string& port = *args.option("--port");
    if (const std::string* text = args.option("--set")) {
        if (flags.json || flags.header) {
            return kBadArguments;
        }
        return setClock(context, port, *text);
    }
    DataStore store;
    DeviceRun run = RunDeviceConnection(context, port, ConnectionMode::ModeReadClock, store);
    if (run.status != kExitOk) {
        return run.status;
    }
    const DateTime& clock = run.outcome.received->importedAt;
    if (flags.json) {
        return PrintText(context, ClockJson(clock));
    }
    std::vector<std::string> lines{FormatTimestampSeconds(clock)};
    if (flags.header) {
        lines.insert(lines.begin(), kClockHeader);
    }
    return PrintLines(context, lines);
}

} // namespace vestra::cli
