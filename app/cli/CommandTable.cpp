#include "CliCommand.h"

#include <array>

namespace vestra::cli {

int RunConvert(const CliContext& context, std::span<const std::string> args);

std::span<const CliCommand> Commands() {
    static const std::array commands{
        CliCommand{"convert", "INPUT OUTPUT", RunConvert},
    };
    return commands;
}

} // namespace vestra::cli
