#include "CommandArgs.h"

#include <algorithm>

namespace vestra::cli {

const std::string* CommandArgs::option(std::string_view name) const {
    auto found = options.find(name);
    return found == options.end() ? nullptr : &found->second;
}

std::optional<CommandArgs> ParseCommandArgs(std::span<const std::string> args,
                                            std::initializer_list<std::string_view> known) {
    CommandArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            parsed.operands.push_back(arg);
            continue;
        }
        bool isKnown = std::find(known.begin(), known.end(), arg) != known.end();
        if (!isKnown || i + 1 == args.size() || parsed.options.contains(arg)) {
            return std::nullopt;
        }
        parsed.options[arg] = args[++i];
    }
    return parsed;
}

} // namespace vestra::cli
