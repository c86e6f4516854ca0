#include "StandardOutput.h"

#include "base/FileFault.h"
#include "base/WriteAll.h"
#include "files/FileErrors.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace vestra::cli {

bool WriteAllTo(int fd, std::string_view text, std::string& reason) {
    if (WriteAll(fd, text)) {
        return true;
    }
    if (errno == EPIPE) {
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
    reason = FileFaultText(errno);
    return false;
}

int PrintLines(const CliContext& context, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return PrintText(context, text);
}

int PrintText(const CliContext& context, std::string_view text) {
    std::string reason;
    if (!WriteAllTo(STDOUT_FILENO, text, reason)) {
        ShowSaveError(context.messages, kStandardOutputName, reason);
        return kExitFileError;
    }
    return kExitOk;
}

} // namespace vestra::cli
