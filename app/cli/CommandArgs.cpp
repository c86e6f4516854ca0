#include "CommandArgs.h"

namespace vestra::cli {

const std::string* CommandArgs::option(std::string_view name) const {
    auto found = options.find(name);
    return found == options.end() ? nullptr : &found->second;
}

} // namespace vestra::cli
