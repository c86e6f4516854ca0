#include "SimOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>

namespace vestra::sim {

namespace {

bool ParseReadings(const std::string& text, int& out) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size() && out >= 0 &&
           out <= kMaxReadings;
}

// Where the parser puts the values before they are checked.
struct RawOptions {
    std::string unit;
    std::string readings;
    std::vector<std::string> faults;
};

bool Refuse(std::string& error, const std::string& line) {
    error = line;
    return false;
}

// The values, checked; the first bad one is named.
bool ApplyValues(const CLI::App& app, const RawOptions& raw, SimOptions& options,
                 std::string& error) {
    if (app.count("--unit") > 0) {
        if (raw.unit != "C" && raw.unit != "F") {
            return Refuse(error, "bad value for --unit: " + raw.unit);
        }
        options.unit = raw.unit == "C" ? SimUnit::Celsius() : SimUnit::Fahrenheit();
    }
    if (app.count("--readings") > 0 && !ParseReadings(raw.readings, options.readings)) {
        return Refuse(error, "bad value for --readings: " + raw.readings);
    }
    for (const std::string& fault : raw.faults) {
        if (!AddFault(options.faults, fault)) {
            return Refuse(error, "bad value for --fault: " + fault);
        }
    }
    if (!options.memoryFile.empty() && options.readings >= 0) {
        return Refuse(error, "--memory and --readings exclude each other");
    }
    return true;
}

} // namespace

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options,
                     std::string& error) {
    CLI::App app{"", "vestra-sim"};
    app.set_help_flag();
    // What the parser cannot place is named in the simulator's own words below.
    app.allow_extras();
    RawOptions raw;
    app.add_option("--unit", raw.unit);
    app.add_option("--memory", options.memoryFile);
    app.add_option("--readings", raw.readings);
    app.add_option("--link", options.linkPath);
    app.add_option("--log", options.logFile);
    app.add_option("--fault", raw.faults)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_flag("--pace", options.pace);
    app.add_flag("--verbose", options.verbose);
    app.add_flag("--help,-h", options.help);
    app.add_flag("--version", options.version);
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& failure) {
        return Refuse(error, failure.what());
    }
    for (const std::string& word : app.remaining()) {
        if (word.starts_with("-") && word != "--") {
            return Refuse(error, "unknown option '" + word.substr(0, word.find('=')) + "'");
        }
        if (word != "--") {
            return Refuse(error, "unexpected argument '" + word + "'");
        }
    }
    return ApplyValues(app, raw, options, error);
}

} // namespace vestra::sim
