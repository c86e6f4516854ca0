#include "CliCommand.h"
#include "CommandLine.h"
#include "ConsoleMessages.h"
#include "ErrorLines.h"
#include "HelpText.h"
#include "StandardOutput.h"
#include "base/FileFunc.h"
#include "base/ProgramVersion.h"
#include "base/Settings.h"
#include "base/SettingsDocument.h"
#include "files/FileErrors.h"

#include <vector>

namespace vestra::cli {
namespace {

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

// The unit stored by the application, Celsius when it has never run or its file is not read.
TemperatureUnit storedUnit(MessageSink& messages) {
    std::optional<std::string> path = SettingsFilePath();
    if (!path || !FileExists(*path)) {
        return Settings().CurrentUnit;
    }
    SettingsDocument document = SettingsDocument::Load(*path);
    ShowSettingsNotRead(messages, document);
    return ReadSettings(document.ini()).CurrentUnit;
}

int runCommand(const CommandLine& line) {
    const CliCommand& command = *line.command;
    const std::string& trace = line.tracePath;
    ConsoleMessages messages(STDOUT_FILENO, line.quiet);
    LineTrace lineTrace;
    CliContext context{line.unit ? *line.unit : storedUnit(messages),
                       messages,
                       line.quiet,
                       trace,
                       lineTrace,
                       line.unit};
    int status = command.run(context, line.args);
    if (status == kBadArguments) {
        return RefuseUsage("wrong operands for " + std::string(command.name) + "; see vestra-cli " +
                           std::string(command.name) + " --help");
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
    CommandLine line = ParseCommandLine(args);
    switch (line.request) {
    case CommandLine::Request::Help:
        return print(ToolHelp());
    case CommandLine::Request::CommandHelp:
        return print(CommandHelp(*line.command));
    case CommandLine::Request::Version:
        return print(VersionLine("vestra-cli") + '\n');
    case CommandLine::Request::Run:
        return runCommand(line);
    case CommandLine::Request::Refused:
        break;
    }
    WriteErrorLines(line.refusal + (line.unknownArgument ? "\nsee vestra-cli --help" : ""));
    return kExitUsage;
}

} // namespace
} // namespace vestra::cli

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return vestra::cli::run(args);
}
