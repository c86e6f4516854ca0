#include "start/AppArguments.h"

#include <algorithm>
#include <initializer_list>

namespace vestra {
namespace {

bool has(const std::vector<std::string>& args, std::initializer_list<const char*> names) {
    return std::any_of(args.begin(), args.end(), [&](const std::string& arg) {
        return std::any_of(names.begin(), names.end(), [&](const char* n) { return arg == n; });
    });
}

AppArguments mistake(std::string error) {
    return {AppArguments::Action::Mistake, {}, std::move(error)};
}

} // namespace

AppArguments ParseAppArguments(const std::vector<std::string>& args) {
    if (has(args, {"--version"})) {
        return {AppArguments::Action::Version, {}, {}};
    }
    if (has(args, {"--help", "-h"})) {
        return {AppArguments::Action::Help, {}, {}};
    }
    AppArguments result;
    bool optionsEnded = false;
    bool haveFile = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return mistake("unknown option: " + arg);
        } else if (haveFile) {
            return mistake("only one file can be opened: " + arg);
        } else {
            result.file = arg;
            haveFile = true;
        }
    }
    return result;
}

bool HasDisplay(const std::vector<std::string>& args, const DisplayEnvironment& environment) {
    auto set = [](const char* value) { return value != nullptr && *value != '\0'; };
    return has(args, {"-platform"}) || set(environment.platform) || set(environment.display) ||
           set(environment.wayland);
}

} // namespace vestra
