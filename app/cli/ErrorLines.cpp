#include "ErrorLines.h"

#include "CliCommand.h"
#include "StandardOutput.h"

#include <unistd.h>

namespace vestra::cli {

void WriteErrorLines(std::string_view text) {
    std::string prefixed;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end;
        prefixed += "vestra-cli: ";
        prefixed += text.substr(start, end - start);
        prefixed += '\n';
        start = end + 1;
    }
    std::string ignored;
    WriteAllTo(STDERR_FILENO, prefixed, ignored);
}

int RefuseUsage(std::string_view line) {
    WriteErrorLines(line);
    return kExitUsage;
}

} // namespace vestra::cli
