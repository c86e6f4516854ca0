#include "CliCommand.h"
#include "ConsoleMessages.h"
#include "DeviceLink.h"
#include "OutputFile.h"
#include "StandardOutput.h"
#include "device/DeviceOperationTexts.h"
#include "files/Export.h"
#include "files/FileCommands.h"

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

} // namespace

// Reads the thermometer's memory. With OUTPUT the data is saved as the Save command would for
// its extension; without, the text report goes to standard output in UTF-8. Whatever goes to
// standard output, the completion message goes to standard error, so that the output can be
// piped on its own.
int RunImport(const CliContext& context, const CommandArgs& args) {
    if (args.operands.size() > 1) {
        return kBadArguments;
    }
    std::optional<OutputTarget> output;
    if (!args.operands.empty()) {
        output = OutputTargetOf(args.operands[0], args.option("--format"));
        if (int status = CheckOutputName(context, *output); status != kExitOk) {
            return status;
        }
    }
    std::optional<ReportPaper> paper = OutputPaper(args, output ? &*output : nullptr);
    if (!paper) {
        return kExitUsage;
    }
    DataStore store;
    int status = RunDeviceConnection(context, *args.option("--port"),
                                     ConnectionMode::ModeImportMemory, store);
    if (status != kExitOk) {
        return status;
    }
    commit(store);
    std::string completed = ImportCompletedText(store.importBuffer.totalCount);
    store.clearImportReadings();
    if (!output) {
        int printed = PrintLines(context, TextReportLines(store.currentData, context.unit));
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
