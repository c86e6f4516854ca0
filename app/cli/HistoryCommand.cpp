#include "HistoryCommand.h"

#include "ErrorLines.h"
#include "base/Settings.h"
#include "history/HistoryLocation.h"

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
    std::optional<std::string> settings = SettingsFilePath();
    return history::HistoryDatabase(
        history::ReadHistorySettings(settings ? IniFile::Load(*settings) : IniFile()), reason);
}

} // namespace

void ShowHistoryFailure(std::string_view reason) {
    WriteErrorLines("history: " + std::string(reason));
}

// "history [--db FILE|postgresql://...|KEYWORD=...] SUBCOMMAND ...": the database is opened
// before the subcommand runs (for add created or brought up to date, for the others read-only);
// a database that cannot be opened ends the command with its reason.
int RunHistory(const CliContext& context, const CommandArgs& args) {
    if (args.operands.empty()) {
        return kBadArguments;
    }
    OutputFlags flags = OutputFlagsOf(args);
    CommandArgs parsed = args;
    std::string name = parsed.operands.front();
    bool formatted = parsed.option("--format") || parsed.option("--encoding");
    if ((name != "tags" && (flags.json || flags.header)) || (name != "export" && formatted)) {
        return kBadArguments;
    }
    parsed.operands.erase(parsed.operands.begin());
    for (const Subcommand& subcommand : kSubcommands) {
        if (subcommand.name != name) {
            continue;
        }
        std::string reason;
        auto name = databaseOf(parsed, reason);
        if (!name) {
            ShowHistoryFailure(reason);
            return kExitFileError;
        }
        auto store = history::OpenHistoryStore(*name, subcommand.access);
        if (!store) {
            ShowHistoryFailure(store.error().text);
            return kExitFileError;
        }
        return subcommand.run({context, parsed, **store, flags});
    }
    return kBadArguments;
}

} // namespace vestra::cli
