#include "CliCommand.h"
#include "ConsoleMessages.h"
#include "shell/FileFunc.h"
#include "shell/Settings.h"

#include <iostream>
#include <optional>
#include <vector>

namespace vestra::cli {
namespace {

void printUsage(std::ostream& out = std::cerr) {
    for (const CliCommand& command : Commands()) {
        out << "usage: vestra-cli [--unit C|F] " << command.name << ' ' << command.arguments
            << '\n';
    }
}

constexpr const char* kHelp = R"(
--unit      the thermometer type; default the unit stored in the settings file, else C.
DEVICE      a serial device such as /dev/ttyUSB0, or COMn as the application names its ports
            (COMn is the device given for it in the [Ports] section of the settings file,
            else /dev/ttyS(n-1)).
INPUT       a native data file (.qmc for C, .qmf for F).
OUTPUT      written by its extension: the native one, .csv or .txt (code page 932, CR LF),
            or .pdf: the printed report with every element and all 15 groups, A4.
import      reads the thermometer's memory; without OUTPUT the text report goes to standard
            output in UTF-8 with LF line ends and the completion message to standard error.
clock       prints the thermometer's clock as YYYY/MM/DD hh:mm:ss, or sets it.
settings    prints the label and group settings as LABEL=label and 15 lines
            "NN TAG EMISSIVITY HIGH LOW" (UTF-8). --send reads that form, checks it as the
            settings editor does, resets the thermometer (erasing its readings) and sends it.
clear       erases the readings in the thermometer; reset returns it to its factory state.
Completion messages go to standard output, failures to standard error.
Exit status: 0 success, 1 a file could not be read or written, 2 bad usage or bad input,
3 the port could not be opened, 4 the connection to the thermometer failed.
)";

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

int run(const std::vector<std::string>& args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        printUsage(std::cout);
        std::cout << kHelp;
        return kExitOk;
    }
    std::size_t next = 0;
    std::optional<TemperatureUnit> unit;
    if (next < args.size() && args[next] == "--unit") {
        unit = next + 1 < args.size() ? unitFromOption(args[next + 1]) : std::nullopt;
        if (!unit) {
            printUsage();
            return kExitUsage;
        }
        next += 2;
    }
    const CliCommand* command = next < args.size() ? findCommand(args[next]) : nullptr;
    if (command == nullptr) {
        printUsage();
        return kExitUsage;
    }
    ConsoleMessages messages;
    CliContext context{unit ? *unit : storedUnit(), messages};
    std::span<const std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(next + 1),
                                      args.end());
    int status = command->run(context, rest);
    if (status == kBadArguments) {
        printUsage();
        return kExitUsage;
    }
    return status;
}

} // namespace
} // namespace vestra::cli

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return vestra::cli::run(args);
}
