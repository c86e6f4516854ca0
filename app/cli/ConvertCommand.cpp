#include "CliCommand.h"
#include "files/FileCommands.h"
#include "shell/FileFunc.h"

#include <algorithm>

namespace vestra::cli {
namespace {

bool isPdf(const std::string& path) {
    std::string extension = ExtensionOf(path);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == "pdf";
}

} // namespace

// Reads a native data file as the Open command does and writes it again as the Save command
// would for the output's extension.
int RunConvert(const CliContext& context, std::span<const std::string> args) {
    if (args.size() != 2) {
        return kBadArguments;
    }
    const std::string& input = args[0];
    const std::string& output = args[1];
    // The printed report is not available here yet; refuse before anything is read.
    if (isPdf(output)) {
        ShowNotSupported(context.messages);
        return kExitUsage;
    }
    if (SaveFormatOf(output, context.unit) == SaveFormat::Unsupported) {
        ShowUnsupportedFileName(context.messages);
        return kExitUsage;
    }
    DataStore store;
    if (!OpenDataFile(input, store, context.unit, context.messages)) {
        return kExitFileError;
    }
    SaveResult result = SaveToFile(output, store, context.unit, context.messages);
    return result == SaveResult::Saved ? kExitOk : kExitFileError;
}

} // namespace vestra::cli
