#include "SimOptions.h"

#include <charconv>

namespace vestra::sim {

namespace {

bool ParseReadings(const std::string& text, int& out) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size() && out >= 0 &&
           out <= kMaxReadings;
}

bool ApplyValueOption(const std::string& name, const std::string& value, SimOptions& options,
                      std::string& error) {
    if (name == "--unit" && (value == "C" || value == "F")) {
        options.unit = value == "C" ? SimUnit::Celsius() : SimUnit::Fahrenheit();
    } else if (name == "--memory") {
        options.memoryFile = value;
    } else if (name == "--readings" && ParseReadings(value, options.readings)) {
    } else if (name == "--link") {
        options.linkPath = value;
    } else if (name == "--log") {
        options.logFile = value;
    } else if (name == "--fault" && AddFault(options.faults, value)) {
    } else {
        error = "bad value for " + name + ": " + value;
        return false;
    }
    return true;
}

} // namespace

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options,
                     std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--pace") {
            options.pace = true;
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--unit" || arg == "--memory" || arg == "--readings" || arg == "--link" ||
                   arg == "--log" || arg == "--fault") {
            if (i + 1 == args.size()) {
                error = arg + " needs a value";
                return false;
            }
            if (!ApplyValueOption(arg, args[++i], options, error)) {
                return false;
            }
        } else {
            error = "unknown argument: " + arg;
            return false;
        }
    }
    if (!options.memoryFile.empty() && options.readings >= 0) {
        error = "--memory and --readings exclude each other";
        return false;
    }
    return true;
}

} // namespace vestra::sim
