#include "CliCommand.h"
#include "ConsoleMessages.h"
#include "DeviceLink.h"
#include "OutputFile.h"
#include "OutputOptions.h"
#include "StandardOutput.h"
#include "base/OutputPath.h"
#include "base/TextCodec.h"
#include "device/DeviceOperationTexts.h"
#include "files/Export.h"
#include "files/FileCommands.h"
#include "files/FileErrors.h"
#include "files/JsonExport.h"

#include <optional>

namespace vestra::cli {
namespace {

// The import's data made the shown data, as the main window does after a good import.
void commit(DataStore& store) {
    store.hasData = true;
    store.clearCurrentReadings();
    store.commitImport(true);
    store.modified = true;
}

// The data on standard output: its JSON document, or the text report in the encoding, with LF
// line ends as a terminal and a pipe expect.
int printData(const CliContext& context, const DataSet& data, bool json, TextEncoding encoding) {
    if (json) {
        return PrintText(context, DataSetJson(data, context.unit));
    }
    std::vector<std::string> lines = TextReportLines(data, context.unit);
    if (encoding == TextEncoding::Cp932) {
        for (std::string& line : lines) {
            line = ToCp932(line);
        }
    }
    return PrintLines(context, lines);
}

} // namespace

// Reads the thermometer's memory. With OUTPUT the data is saved as the Save command would for
// its extension; without, the text report (UTF-8 unless --encoding says otherwise) or with
// --json the data set's JSON document goes to standard output. Whatever goes to
// standard output, the completion message goes to standard error, so that the output can be
// piped on its own.
int RunImport(const CliContext& context, const CommandArgs& args) {
    OutputFlags flags = OutputFlagsOf(args);
    if (args.operands.size() > 1 || flags.header || (flags.json && !args.operands.empty())) {
        return kBadArguments;
    }
    // The report on standard output is UTF-8, files are code page 932, as they always were.
    TextEncoding encoding =
        OutputEncoding(args, args.operands.empty() ? TextEncoding::Utf8 : TextEncoding::Cp932);
    std::optional<OutputTarget> output;
    if (!args.operands.empty()) {
        output = OutputTargetOf(args.operands[0], args.option("--format"));
        output->encoding = encoding;
        if (int status = CheckOutputName(context, *output); status != kExitOk) {
            return status;
        }
        if (output->path != "-") {
            if (Expected<void> place = CheckOutputPlace(output->path); !place) {
                ShowSaveError(context.messages, output->path, place.error().text);
                return kExitFileError;
            }
        }
    }
    // Without OUTPUT, standard output shows the text report, or with --json the JSON document.
    const std::string shown = flags.json ? "json" : "txt";
    if (int status =
            CheckOutputEncoding(context, args, output ? *output : OutputTargetOf("-", &shown));
        status != kExitOk) {
        return status;
    }
    std::optional<ReportPaper> paper = OutputPaper(args, output ? &*output : nullptr);
    if (!paper) {
        return kExitUsage;
    }
    DataStore store;
    DeviceRun run = RunDeviceConnection(context, *args.option("--port"),
                                        ConnectionMode::ModeImportMemory, store);
    if (run.status != kExitOk) {
        return run.status;
    }
    commit(store);
    std::string completed = ImportCompletedText(run.outcome.received->totalCount);
    store.clearImportReadings();
    if (!output) {
        int printed = printData(context, store.currentData, flags.json, encoding);
        if (printed == kExitOk) {
            ConsoleMessages(STDERR_FILENO, context.quiet)
                .showMessage(completed, MessageIcon::Information);
        }
        return printed;
    }
    if (int saved = WriteOutput(context, store, *output, *paper); saved != kExitOk) {
        return saved;
    }
    if (output->path == "-") {
        ConsoleMessages(STDERR_FILENO, context.quiet)
            .showMessage(completed, MessageIcon::Information);
    } else {
        context.messages.showMessage(completed, MessageIcon::Information);
    }
    return kExitOk;
}

} // namespace vestra::cli
