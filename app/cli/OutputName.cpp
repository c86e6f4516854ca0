#include "OutputName.h"

#include "files/FileCommands.h"
#include "shell/FileFunc.h"

#include <algorithm>
#include <cctype>

namespace vestra::cli {
namespace {

bool isPdf(const std::string& path) {
    std::string extension = ExtensionOf(path);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == "pdf";
}

} // namespace

int CheckOutputName(const CliContext& context, const std::string& path) {
    // The printed report is not available here yet.
    if (isPdf(path)) {
        ShowNotSupported(context.messages);
        return kExitUsage;
    }
    if (SaveFormatOf(path, context.unit) == SaveFormat::Unsupported) {
        ShowUnsupportedFileName(context.messages);
        return kExitUsage;
    }
    return kExitOk;
}

} // namespace vestra::cli
