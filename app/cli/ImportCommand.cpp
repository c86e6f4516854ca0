#include "CliCommand.h"
#include "CommandArgs.h"
#include "ConsoleMessages.h"
#include "DeviceLink.h"
#include "OutputFile.h"
#include "device/DeviceOperationTexts.h"
#include "files/Export.h"
#include "files/FileCommands.h"

#include <iostream>

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
// its extension; without, the text report goes to standard output in UTF-8 with the completion
// message on standard error, so that the report can be piped on its own.
int RunImport(const CliContext& context, std::span<const std::string> args) {
    auto parsed = ParseCommandArgs(args, {"--port"});
    if (!parsed || parsed->option("--port") == nullptr || parsed->operands.size() > 1) {
        return kBadArguments;
    }
    const std::string* output = parsed->operands.empty() ? nullptr : &parsed->operands[0];
    if (output != nullptr) {
        if (int status = CheckOutputName(context, *output); status != kExitOk) {
            return status;
        }
    }
    DataStore store;
    int status = RunDeviceConnection(context, *parsed->option("--port"),
                                     ConnectionMode::ModeImportMemory, store);
    if (status != kExitOk) {
        return status;
    }
    commit(store);
    std::string completed = ImportCompletedText(store.importBuffer.totalCount);
    store.clearImportReadings();
    if (output == nullptr) {
        for (const std::string& line : TextReportLines(store.currentData, context.unit)) {
            std::cout << line << '\n';
        }
        ConsoleMessages(std::cerr).showMessage(completed, MessageIcon::Information);
        return kExitOk;
    }
    if (int saved = WriteOutput(context, store, *output); saved != kExitOk) {
        return saved;
    }
    context.messages.showMessage(completed, MessageIcon::Information);
    return kExitOk;
}

} // namespace vestra::cli
