#include "HelpText.h"

namespace vestra::cli {
namespace {

constexpr const char* kGlobalOptions = R"(
Global options, before or after COMMAND:
  --unit C|F    the thermometer type; default the unit stored in the settings file, else C.
  --trace FILE  records every byte on the serial line with its time, the breaks, time-outs
                and the result in FILE (device commands only).
  --quiet       no completion messages.
  --help, -h    this text; COMMAND --help shows what one command does.
  --version     the program's name and version.
An option's value may also follow an equals sign (--unit=F); -- ends the options.

DEVICE  a serial device such as /dev/ttyUSB0 or a /dev/serial/by-id/ link, or COMn as the
        application names its ports (COMn is the device given for it in the [Ports]
        section of the settings file, else the USB adapter the application would give
        that number, else /dev/ttyS(n-1)); `ports` lists them.
INPUT   a native data file (.qmc for C, .qmf for F).
OUTPUT  written by its extension: the native one, .csv or .txt (code page 932, CR LF), or
        .pdf: the printed report with every element and all 15 groups, on the locale's
        paper (Letter where LC_PAPER says 216 x 279 mm, else A4) unless --paper names one.
Ctrl+C (SIGINT) or SIGTERM during a device command aborts it as the abort button does; a
second one ends the tool at once.
Completion messages go to standard output, failures to standard error, each line there
after "vestra-cli: ".
Exit status: 0 success, 1 a file could not be read or written (standard output too),
2 bad usage or bad input, 3 the port could not be opened, 4 the connection to the
thermometer failed.
)";

// "convert [--format csv|txt|qmc|qmf|pdf] [--paper a4|letter] INPUT OUTPUT"
std::string synopsis(const CliCommand& command) {
    std::string text(command.name);
    for (const CommandOption& option : command.options) {
        std::string form = std::string(option.name);
        if (!option.value.empty()) {
            form += ' ' + std::string(option.value);
        }
        text += option.required ? ' ' + form : " [" + form + ']';
    }
    if (!command.operands.empty()) {
        text += ' ' + std::string(command.operands);
    }
    return text;
}

} // namespace

std::string ToolHelp() {
    std::string text = "Usage: vestra-cli [--unit C|F] [--trace FILE] [--quiet] COMMAND ...\n"
                       "       vestra-cli COMMAND --help\n"
                       "       vestra-cli --help | --version\n\nCommands:\n";
    for (const CliCommand& command : Commands()) {
        text += "  " + synopsis(command) + '\n';
    }
    return text + kGlobalOptions;
}

std::string CommandHelp(const CliCommand& command) {
    return "Usage: vestra-cli [global options] " + synopsis(command) + "\n\n" +
           std::string(command.help) + "\nGlobal options: see vestra-cli --help.\n";
}

} // namespace vestra::cli
