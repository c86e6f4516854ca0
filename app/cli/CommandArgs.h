#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vestra::cli {

// The arguments of one command: its options, each followed by its value ("--opt value" or
// "--opt=value"), in any order and between the operands, and the operands in order.
struct CommandArgs {
    std::map<std::string, std::string, std::less<>> options;
    std::vector<std::string> operands;

    const std::string* option(std::string_view name) const;
};

// Empty when an option is not one of known, is given twice or lacks its value.
std::optional<CommandArgs> ParseCommandArgs(std::span<const std::string> args,
                                            std::initializer_list<std::string_view> known);

} // namespace vestra::cli
