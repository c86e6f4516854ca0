#include "CliCommand.h"

#include <array>

namespace vestra::cli {

int RunConvert(const CliContext& context, const CommandArgs& args);
int RunImport(const CliContext& context, const CommandArgs& args);
int RunClock(const CliContext& context, const CommandArgs& args);
int RunSettings(const CliContext& context, const CommandArgs& args);
int RunClear(const CliContext& context, const CommandArgs& args);
int RunReset(const CliContext& context, const CommandArgs& args);
int RunPorts(const CliContext& context, const CommandArgs& args);
int RunChart(const CliContext& context, const CommandArgs& args);
int RunHistory(const CliContext& context, const CommandArgs& args);

namespace {

const CommandOption kPort{"--port", "DEVICE", true};
const CommandOption kFormat{
    "--format", "csv|txt|qmc|qmf|pdf|json", false, {"csv", "txt", "qmc", "qmf", "pdf", "json"}};
const CommandOption kPaper{"--paper", "a4|letter", false, {"a4", "letter"}};
const CommandOption kEncoding{"--encoding", "cp932|utf-8", false, {"cp932", "utf-8"}};
const CommandOption kJson{"--json", ""};
const CommandOption kHeader{"--header", ""};

} // namespace

std::span<const CliCommand> Commands() {
    static const std::array commands{
        CliCommand{
            "convert",
            {kFormat, kPaper, kEncoding},
            "INPUT OUTPUT",
            "reads a native data file as the Open command does and writes it as the\n"
            "Save command would for OUTPUT's extension (CSV and text in code page 932\n"
            "unless --encoding utf-8: CSV then with a byte-order mark), as JSON (.json),\n"
            "or as the printed report (.pdf)\n"
            "on the paper --paper names (default: the locale's paper: Letter where LC_PAPER\n"
            "says 216 x 279 mm, else A4).\n"
            "INPUT - reads standard input; OUTPUT - writes standard output in the\n"
            "format --format names.\n"
            "The data keeps the unit INPUT's first record names (.qmc C, .qmf F); --unit,\n"
            "when given, must name the same.\n",
            RunConvert},
        CliCommand{"import",
                   {kPort, kFormat, kPaper, kEncoding, kJson},
                   "[OUTPUT]",
                   "reads the thermometer's memory; without OUTPUT the text report (or with\n"
                   "--json the JSON document) goes to standard output in UTF-8 with LF line\n"
                   "ends and the completion message to standard error.\n",
                   RunImport},
        CliCommand{"clock",
                   {kPort, {"--set", "\"YYYY/MM/DD hh:mm:ss\""}, kJson, kHeader},
                   "",
                   "prints the thermometer's clock as YYYY/MM/DD hh:mm:ss (--json: as JSON;\n"
                   "--header: a column name first), or sets it.\n",
                   RunClock},
        CliCommand{"settings",
                   {kPort, {"--send", "FILE"}, kJson},
                   "",
                   "prints the label and group settings as LABEL=label and 15 lines\n"
                   "\"NN TAG EMISSIVITY HIGH LOW\" (UTF-8). --send reads that form, checks it as\n"
                   "the settings editor does, resets the thermometer (erasing its readings) and\n"
                   "sends it. --json prints the settings as JSON instead.\n",
                   RunSettings},
        CliCommand{"clear", {kPort}, "", "erases the readings in the thermometer.\n", RunClear},
        CliCommand{
            "reset", {kPort}, "", "returns the thermometer to its factory state.\n", RunReset},
        CliCommand{"ports",
                   {kJson, kHeader},
                   "",
                   "lists COM1 to COM16 with their devices as the application maps them, then\n"
                   "every serial port found (built-in ports, USB adapters with their\n"
                   "/dev/serial/by-id/ link, description, VID:PID and serial number). --json\n"
                   "prints them as JSON, --header puts the column names first.\n",
                   RunPorts},
        CliCommand{
            "chart",
            {{"--width", "W"}, {"--height", "H"}},
            "INPUT GROUP OUTPUT.svg|OUTPUT.png",
            "draws the chart of group GROUP (1 to 15) of a native data file as the main\n"
            "window does: readings against time, alarm limits, average, maximum and\n"
            "minimum; SVG or PNG by OUTPUT's extension, W x H pixels (100 to 10000; default\n"
            "800 x 400).\n"
            "The chart is in the unit INPUT's first record names (.qmc C, .qmf F); --unit,\n"
            "when given, must name the same.\n"
            "The same input gives the same bytes.\n",
            RunChart},
        CliCommand{"history",
                   {{"--db", "FILE|postgresql://..."},
                    {"--tag", "TAG"},
                    {"--format", "csv|json", false, {"csv", "json"}},
                    kEncoding,
                    kJson,
                    kHeader},
                   "add FILE...|tags|export OUT.csv|-|chart OUT.svg",
                   "the inspection history: every data set in one database (default the file\n"
                   "history.sqlite under $XDG_DATA_HOME/MORVA/VESTRA2, or Database= in section\n"
                   "[History] of the settings file). add stores data files (a folder: every\n"
                   ".qmc and .qmf file below it; - one on standard input, stored without a\n"
                   "source file), each in one transaction, and prints how many\n"
                   "were new; a file that is no data file is named on standard error and\n"
                   "skipped (exit 1). tags lists tag, object, unit, readings, first and last\n"
                   "time. export writes the readings of --tag TAG in the unit --unit names as CSV\n"
                   "(code page 932 unless --encoding utf-8; --format json: as JSON; - writes\n"
                   "standard output), chart their trend as SVG (800 x 400). tags takes --json\n"
                   "and --header.\n"
                   "--db names another database: a file, or a server as postgresql://... or\n"
                   "host=...; a password here is visible to other users; use ~/.pgpass or "
                   "PGPASSWORD.\n",
                   RunHistory},
    };
    return commands;
}

} // namespace vestra::cli
