#include "CliCommand.h"

#include <array>

namespace vestra::cli {

int RunConvert(const CliContext& context, std::span<const std::string> args);
int RunImport(const CliContext& context, std::span<const std::string> args);
int RunClock(const CliContext& context, std::span<const std::string> args);
int RunSettings(const CliContext& context, std::span<const std::string> args);
int RunClear(const CliContext& context, std::span<const std::string> args);
int RunReset(const CliContext& context, std::span<const std::string> args);

std::span<const CliCommand> Commands() {
    static const std::array commands{
        CliCommand{"convert", "INPUT OUTPUT", RunConvert},
        CliCommand{"import", "--port DEVICE [OUTPUT]", RunImport},
        CliCommand{"clock", "--port DEVICE [--set \"YYYY/MM/DD hh:mm:ss\"]", RunClock},
        CliCommand{"settings", "--port DEVICE [--send FILE]", RunSettings},
        CliCommand{"clear", "--port DEVICE", RunClear},
        CliCommand{"reset", "--port DEVICE", RunReset},
    };
    return commands;
}

} // namespace vestra::cli
