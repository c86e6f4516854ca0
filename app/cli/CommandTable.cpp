#include "CliCommand.h"

#include <array>

namespace vestra::cli {

int RunConvert(const CliContext& context, std::span<const std::string> args);
int RunImport(const CliContext& context, std::span<const std::string> args);
int RunClock(const CliContext& context, std::span<const std::string> args);
int RunSettings(const CliContext& context, std::span<const std::string> args);
int RunClear(const CliContext& context, std::span<const std::string> args);
int RunReset(const CliContext& context, std::span<const std::string> args);
int RunPorts(const CliContext& context, std::span<const std::string> args);
int RunChart(const CliContext& context, std::span<const std::string> args);
int RunHistory(const CliContext& context, std::span<const std::string> args);

std::span<const CliCommand> Commands() {
    static const std::array commands{
        CliCommand{"convert", "[--format csv|txt|qmc|qmf] [--paper a4|letter] INPUT OUTPUT",
                   "reads a native data file as the Open command does and writes it as the\n"
                   "Save command would for OUTPUT's extension, or as the printed report (.pdf)\n"
                   "on the paper --paper names (default: the locale's paper, else A4).\n"
                   "INPUT - reads standard input; OUTPUT - writes standard output in the\n"
                   "format --format names.\n",
                   RunConvert},
        CliCommand{"import",
                   "--port DEVICE [--format csv|txt|qmc|qmf] [--paper a4|letter] [OUTPUT]",
                   "reads the thermometer's memory; without OUTPUT the text report goes to\n"
                   "standard output in UTF-8 with LF line ends and the completion message to\n"
                   "standard error.\n",
                   RunImport},
        CliCommand{"clock", "--port DEVICE [--set \"YYYY/MM/DD hh:mm:ss\"]",
                   "prints the thermometer's clock as YYYY/MM/DD hh:mm:ss, or sets it.\n",
                   RunClock},
        CliCommand{"settings", "--port DEVICE [--send FILE]",
                   "prints the label and group settings as LABEL=label and 15 lines\n"
                   "\"NN TAG EMISSIVITY HIGH LOW\" (UTF-8). --send reads that form, checks it as\n"
                   "the settings editor does, resets the thermometer (erasing its readings) and\n"
                   "sends it.\n",
                   RunSettings},
        CliCommand{"clear", "--port DEVICE", "erases the readings in the thermometer.\n", RunClear},
        CliCommand{"reset", "--port DEVICE", "returns the thermometer to its factory state.\n",
                   RunReset},
        CliCommand{"ports", "",
                   "lists COM1 to COM16 with their devices as the application maps them, then\n"
                   "every serial port found (built-in ports, USB adapters with their\n"
                   "/dev/serial/by-id/ link, description, VID:PID and serial number).\n",
                   RunPorts},
        CliCommand{"chart", "INPUT GROUP OUTPUT.svg|OUTPUT.png [--width W --height H]",
                   "draws the chart of group GROUP (1 to 15) of a native data file as the main\n"
                   "window does: readings against time, alarm limits, average, maximum and\n"
                   "minimum; SVG or PNG by OUTPUT's extension, 800 x 400 pixels unless given.\n"
                   "The same input gives the same bytes.\n",
                   RunChart},
        CliCommand{"history",
                   "[--db FILE|postgresql://...] add FILE...|tags|export --tag TAG [--unit C|F] "
                   "OUT.csv|-|chart --tag TAG [--unit C|F] OUT.svg",
                   "the inspection history: every data set in one database (default the file\n"
                   "history.sqlite under $XDG_DATA_HOME/MORVA/VESTRA2, or Database= in section\n"
                   "[History] of the settings file). add stores data files (a folder: every\n"
                   ".qmc and .qmf file below it), each in one transaction, and prints how many\n"
                   "were new; a file that is no data file is named on standard error and\n"
                   "skipped (exit 1). tags lists tag, object, unit, readings, first and last\n"
                   "time. export writes the readings of one tag as CSV (code page 932), chart\n"
                   "their trend as SVG (800 x 400).\n",
                   RunHistory},
    };
    return commands;
}

} // namespace vestra::cli
