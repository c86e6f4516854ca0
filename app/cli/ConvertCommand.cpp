#include "CliCommand.h"
#include "OutputFile.h"
#include "files/FileCommands.h"

namespace vestra::cli {

// Reads a native data file as the Open command does and writes it again as the Save command
// would for the output's extension, or as the printed report for ".pdf".
int RunConvert(const CliContext& context, std::span<const std::string> args) {
    if (args.size() != 2) {
        return kBadArguments;
    }
    const std::string& input = args[0];
    const std::string& output = args[1];
    if (int status = CheckOutputName(context, output); status != kExitOk) {
        return status;
    }
    DataStore store;
    if (!OpenDataFile(input, store, context.unit, context.messages)) {
        return kExitFileError;
    }
    return WriteOutput(context, store, output);
}

} // namespace vestra::cli
