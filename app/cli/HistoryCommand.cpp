#include "HistoryCommand.h"

#include "StandardOutput.h"
#include "history/HistoryLocation.h"
#include "shell/Settings.h"

#include <unistd.h>

namespace vestra::cli {
namespace {

struct Subcommand {
    std::string_view name;
    int (*run)(const HistoryRequest& request);
    history::HistoryAccess access;
};

constexpr Subcommand kSubcommands[] = {
    {"add", RunHistoryAdd, history::HistoryAccess::ReadWrite},
    {"tags", RunHistoryTags, history::HistoryAccess::ReadOnly},
    {"export", RunHistoryExport, history::HistoryAccess::ReadOnly},
    {"chart", RunHistoryChart, history::HistoryAccess::ReadOnly},
};

// --db, else the database the settings file names, else the user's own file.
std::optional<history::DatabaseName> databaseOf(const CommandArgs& args, std::string& reason) {
    if (const std::string* db = args.option("--db")) {
        return history::ParseDatabaseName(*db, reason);
    }
    return history::HistoryDatabase(history::ReadHistorySettings(SettingsFilePath()), reason);
}

} // namespace

void ShowHistoryFailure(std::string_view reason) {
    std::string ignored;
    WriteAllTo(STDERR_FILENO, "vestra-cli history: " + std::string(reason) + '\n', ignored);
}

std::string HistoryUnit(const HistoryRequest& request) {
    const std::string* letter = request.args.option("--unit");
    if (letter == nullptr) {
        return request.context.unit;
    }
    if (*letter == "C" || *letter == "c") {
        return std::string(kUnitCelsius);
    }
    return *letter == "F" || *letter == "f" ? std::string(kUnitFahrenheit) : std::string();
}

// "history [--db FILE|postgresql://...|KEYWORD=...] SUBCOMMAND ...": the database is opened
// before the subcommand runs (for add created or brought up to date, for the others read-only);
// a database that cannot be opened ends the command with its reason.
int RunHistory(const CliContext& context, std::span<const std::string> args) {
    std::vector<std::string> rest;
    OutputFlags flags = TakeOutputFlags(args, rest);
    auto parsed = ParseCommandArgs(rest, {"--db", "--tag", "--unit", "--format", "--encoding"});
    if (!parsed || parsed->operands.empty()) {
        return kBadArguments;
    }
    std::string name = parsed->operands.front();
    bool formatted = parsed->option("--format") || parsed->option("--encoding");
    if ((name != "tags" && (flags.json || flags.header)) || (name != "export" && formatted)) {
        return kBadArguments;
    }
    parsed->operands.erase(parsed->operands.begin());
    for (const Subcommand& subcommand : kSubcommands) {
        if (subcommand.name != name) {
            continue;
        }
        std::string reason;
        auto name = databaseOf(*parsed, reason);
        auto store = name ? history::OpenHistoryStore(*name, subcommand.access, reason) : nullptr;
        if (!store) {
            ShowHistoryFailure(reason);
            return kExitFileError;
        }
        return subcommand.run({context, *parsed, *store, flags});
    }
    return kBadArguments;
}

} // namespace vestra::cli
