#include "CliCommand.h"
#include "ConsoleMessages.h"
#include "StandardOutput.h"
#include "files/FileErrors.h"
#include "shell/FileFunc.h"
#include "shell/ProgramVersion.h"
#include "shell/Settings.h"

#include <optional>
#include <vector>

namespace vestra::cli {
namespace {

constexpr const char* kHelp = R"(
--unit      the thermometer type; default the unit stored in the settings file, else C.
            Every option may also be written --option=value.
--trace FILE  (after --unit, before the command) records every byte on the serial line with
            its time, the breaks, time-outs and the result in FILE (device commands only).
DEVICE      a serial device such as /dev/ttyUSB0 or a /dev/serial/by-id/ link, or COMn as the
            application names its ports (COMn is the device given for it in the [Ports]
            section of the settings file, else the USB adapter the application would give
            that number, else /dev/ttyS(n-1)); `ports` lists them.
INPUT       a native data file (.qmc for C, .qmf for F).
OUTPUT      written by its extension: the native one, .csv or .txt (code page 932, CR LF),
            or .pdf: the printed report with every element and all 15 groups, A4.
COMMAND --help shows what one command does.
Ctrl+C (SIGINT) or SIGTERM during a device command aborts it as the abort button does; a
second one ends the tool at once.
Completion messages go to standard output, failures to standard error.
Exit status: 0 success, 1 a file could not be read or written (standard output too),
2 bad usage or bad input, 3 the port could not be opened, 4 the connection to the
thermometer failed.
)";

std::string usageLine(const CliCommand& command) {
    return "usage: vestra-cli [--unit C|F] " + std::string(command.name) + ' ' +
           std::string(command.arguments) + '\n';
}

std::string usage() {
    std::string text;
    for (const CliCommand& command : Commands()) {
        text += usageLine(command);
    }
    return text;
}

// Asked-for text goes to standard output and must arrive whole, like any other output.
int print(const std::string& text) {
    std::string reason;
    if (!WriteAllTo(STDOUT_FILENO, text, reason)) {
        ConsoleMessages messages;
        ShowSaveError(messages, kStandardOutputName, reason);
        return kExitFileError;
    }
    return kExitOk;
}

int badUsage(const std::string& text) {
    std::string ignored;
    WriteAllTo(STDERR_FILENO, text, ignored);
    return kExitUsage;
}

bool isHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

std::optional<TemperatureUnit> unitFromOption(const std::string& letter) {
    if (letter == "C" || letter == "c") {
        return TemperatureUnit(kUnitCelsius);
    }
    if (letter == "F" || letter == "f") {
        return TemperatureUnit(kUnitFahrenheit);
    }
    return std::nullopt;
}

// The unit stored by the application, Celsius when it has never run.
TemperatureUnit storedUnit() {
    Settings settings;
    std::string path = SettingsFilePath();
    if (FileExists(path)) {
        LoadSettings(path, settings);
    }
    return settings.CurrentUnit;
}

const CliCommand* findCommand(const std::string& name) {
    for (const CliCommand& command : Commands()) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

// "--unit X" or "--unit=X" at args[next]: the unit and how many arguments it took.
std::optional<TemperatureUnit> unitOption(const std::vector<std::string>& args, std::size_t& next) {
    const std::string& arg = args[next];
    if (arg.starts_with("--unit=")) {
        ++next;
        return unitFromOption(arg.substr(7));
    }
    next += 2;
    return next <= args.size() ? unitFromOption(args[next - 1]) : std::nullopt;
}

// "--trace FILE" or "--trace=FILE" at args[next], if there: false when FILE is missing.
bool traceOption(const std::vector<std::string>& args, std::size_t& next, std::string& path) {
    if (next < args.size() && args[next].starts_with("--trace=")) {
        path = args[next++].substr(8);
        return !path.empty();
    }
    if (next >= args.size() || args[next] != "--trace") {
        return true;
    }
    next += 2;
    if (next > args.size()) {
        return false;
    }
    path = args[next - 1];
    return true;
}

int runCommand(const CliCommand& command, const TemperatureUnit& unit, const std::string& trace,
               std::span<const std::string> rest) {
    ConsoleMessages messages;
    LineTrace lineTrace;
    CliContext context{unit, messages, trace, lineTrace};
    int status = command.run(context, rest);
    if (status == kBadArguments) {
        return badUsage(usageLine(command));
    }
    // The transcript is written after the exchange, so that its timing stays; what the command
    // wrote is kept whatever becomes of the transcript.
    std::string traceFault;
    if (!lineTrace.flush(traceFault)) {
        ShowSaveError(messages, trace, traceFault);
        return status == kExitOk ? kExitFileError : status;
    }
    if (status == kExitOk && !messages.outputFault().empty()) {
        ShowSaveError(messages, kStandardOutputName, messages.outputFault());
        return kExitFileError;
    }
    return status;
}

int run(const std::vector<std::string>& args) {
    if (args.size() == 1 && isHelp(args[0])) {
        return print(usage() + kHelp);
    }
    if (args.size() == 1 && args[0] == "--version") {
        return print(VersionLine("vestra-cli") + '\n');
    }
    std::size_t next = 0;
    std::optional<TemperatureUnit> unit;
    if (!args.empty() && (args[0] == "--unit" || args[0].starts_with("--unit="))) {
        unit = unitOption(args, next);
        if (!unit) {
            return badUsage(usage());
        }
    }
    std::string trace;
    if (!traceOption(args, next, trace)) {
        return badUsage(usage());
    }
    const CliCommand* command = next < args.size() ? findCommand(args[next]) : nullptr;
    if (command == nullptr) {
        return badUsage(usage());
    }
    std::span<const std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(next + 1),
                                      args.end());
    if (rest.size() == 1 && isHelp(rest[0])) {
        return print(usageLine(*command) + std::string(command->help));
    }
    return runCommand(*command, unit ? *unit : storedUnit(), trace, rest);
}

} // namespace
} // namespace vestra::cli

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return vestra::cli::run(args);
}
