#include "StandardOutput.h"

#include "files/FileErrors.h"
#include "shell/FileFault.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace vestra::cli {

bool WriteAllTo(int fd, std::string_view text, std::string& reason) {
    while (!text.empty()) {
        ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno == EPIPE) {
            std::signal(SIGPIPE, SIG_DFL);
            std::raise(SIGPIPE);
        }
        if (n <= 0) {
            reason = FileFaultText(n < 0 ? errno : ENOSPC);
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

int PrintLines(const CliContext& context, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    std::string reason;
    if (!WriteAllTo(STDOUT_FILENO, text, reason)) {
        ShowSaveError(context.messages, kStandardOutputName, reason);
        return kExitFileError;
    }
    return kExitOk;
}

} // namespace vestra::cli
