#include "CommandLine.h"

#include "base/FileFunc.h"
#include "base/VisibleText.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <deque>
#include <map>

namespace vestra::cli {
namespace {

// The letter of --unit, in either case.
std::optional<TemperatureUnit> unitOfLetter(const std::string& text) {
    for (TemperatureUnit unit : kTemperatureUnits) {
        if (LowerCaseAscii(text) == LowerCaseAscii(UnitLetter(unit))) {
            return unit;
        }
    }
    return std::nullopt;
}

// Where the parser puts what it reads; its parts never move while the parser holds them.
struct Storage {
    std::map<std::pair<std::string_view, std::string_view>, std::string> values;
    std::map<std::pair<std::string_view, std::string_view>, bool> switches;
    std::deque<std::vector<std::string>> operands;
};

CommandLine refused(std::string line, bool unknownArgument = false) {
    CommandLine parsed;
    parsed.refusal = std::move(line);
    parsed.unknownArgument = unknownArgument;
    return parsed;
}

// What the parser could not place: an option no command takes here, or a word that is no
// command. "--" only marks the end of the options.
std::optional<CommandLine> unknownArgument(const CLI::App& app) {
    for (const std::string& word : app.remaining(true)) {
        if (word == "--") {
            continue;
        }
        if (word.starts_with("-")) {
            return refused("unknown option '" + VisibleText(word.substr(0, word.find('='))) + "'",
                           true);
        }
        return refused("unknown command or argument '" + VisibleText(word) + "'", true);
    }
    return std::nullopt;
}

bool isChoice(const std::string& value, const std::vector<std::string>& choices) {
    return choices.empty() || std::ranges::any_of(choices, [&](const std::string& choice) {
               return LowerCaseAscii(value) == LowerCaseAscii(choice);
           });
}

// The given options of the command, each checked against its declaration.
std::optional<CommandLine> commandOptions(const CliCommand& command, const CLI::App& sub,
                                          Storage& storage, CommandArgs& args) {
    for (const CommandOption& option : command.options) {
        if (sub.get_option(std::string(option.name))->count() == 0) {
            if (option.required) {
                return refused(std::string(command.name) + " needs " + std::string(option.name) +
                               ' ' + std::string(option.value));
            }
            continue;
        }
        if (option.value.empty()) {
            args.options[std::string(option.name)] = std::string();
            continue;
        }
        const std::string& value = storage.values[{command.name, option.name}];
        if (!isChoice(value, option.choices)) {
            return refused("bad value for " + std::string(option.name) + ": '" +
                           VisibleText(value) + "' (" + std::string(option.value) + ")");
        }
        args.options[std::string(option.name)] = value;
    }
    return std::nullopt;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CLI::App app{"", "vestra-cli"};
    app.set_help_flag();
    // What the parser cannot place is reported in the tool's own words below.
    app.allow_extras();
    // A second command's name after the first is an operand of the first ("history chart").
    app.require_subcommand(0, 1);
    std::string unit;
    CommandLine parsed;
    CLI::Option* unitOption = app.add_option("--unit", unit);
    CLI::Option* traceOption = app.add_option("--trace", parsed.tracePath);
    app.add_flag("--quiet", parsed.quiet);
    CLI::Option* help = app.add_flag("--help,-h");
    CLI::Option* version = app.add_flag("--version");
    Storage storage;
    std::vector<std::pair<const CliCommand*, CLI::App*>> subcommands;
    for (const CliCommand& command : Commands()) {
        CLI::App* sub = app.add_subcommand(std::string(command.name));
        sub->set_help_flag();
        sub->fallthrough();
        sub->add_flag("--help,-h");
        for (const CommandOption& option : command.options) {
            std::pair key{command.name, option.name};
            if (option.value.empty()) {
                sub->add_flag(std::string(option.name), storage.switches[key]);
            } else {
                sub->add_option(std::string(option.name), storage.values[key]);
            }
        }
        sub->add_option("operands", storage.operands.emplace_back());
        subcommands.emplace_back(&command, sub);
    }
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        return refused(error.what());
    }
    if (auto unknown = unknownArgument(app)) {
        return *unknown;
    }
    if (unitOption->count() > 0) {
        parsed.unit = unitOfLetter(unit);
        if (!parsed.unit) {
            return refused("bad value for --unit: '" + VisibleText(unit) + "' (C|F)");
        }
    }
    if (traceOption->count() > 0 && parsed.tracePath.empty()) {
        return refused("bad value for --trace: '' (FILE)");
    }
    for (std::size_t i = 0; i < subcommands.size(); ++i) {
        auto [command, sub] = subcommands[i];
        if (!sub->parsed()) {
            continue;
        }
        parsed.command = command;
        if (sub->get_option("--help")->count() > 0 || help->count() > 0) {
            parsed.request = CommandLine::Request::CommandHelp;
            return parsed;
        }
        if (auto fault = commandOptions(*command, *sub, storage, parsed.args)) {
            return *fault;
        }
        parsed.args.operands = storage.operands[i];
        parsed.request = CommandLine::Request::Run;
        return parsed;
    }
    if (help->count() > 0) {
        parsed.request = CommandLine::Request::Help;
    } else if (version->count() > 0) {
        parsed.request = CommandLine::Request::Version;
    } else {
        return refused("no command given", true);
    }
    return parsed;
}

} // namespace vestra::cli
