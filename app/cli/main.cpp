#include "CliCommand.h"
#include "ConsoleMessages.h"
#include "shell/FileFunc.h"
#include "shell/Settings.h"

#include <iostream>
#include <optional>
#include <vector>

namespace vestra::cli {
namespace {

void printUsage() {
    for (const CliCommand& command : Commands()) {
        std::cerr << "usage: vestra-cli [--unit C|F] " << command.name << ' ' << command.arguments
                  << '\n';
    }
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

int run(const std::vector<std::string>& args) {
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
