#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vestra::cli {

// The arguments of one command, as the command line gave them: the options given (each with
// its value) and the operands in order.
struct CommandArgs {
    std::map<std::string, std::string, std::less<>> options;
    std::vector<std::string> operands;

    const std::string* option(std::string_view name) const;
};

} // namespace vestra::cli
