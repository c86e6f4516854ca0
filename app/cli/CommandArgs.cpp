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
        std::size_t equals = arg.find('=');
        std::string name = arg.substr(0, equals);
        bool isKnown = std::find(known.begin(), known.end(), name) != known.end();
        bool hasValue = equals != std::string::npos || i + 1 < args.size();
        if (!isKnown || !hasValue || parsed.options.contains(name)) {
            return std::nullopt;
        }
        parsed.options[name] = equals != std::string::npos ? arg.substr(equals + 1) : args[++i];
    }
    return parsed;
}

} // namespace vestra::cli
