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
};

constexpr Subcommand kSubcommands[] = {
    {"add", RunHistoryAdd},
    {"tags", RunHistoryTags},
    {"export", RunHistoryExport},
    {"chart", RunHistoryChart},
};

// --db, else the database the settings file names, else the user's own file.
std::string locationOf(const CommandArgs& args) {
    if (const std::string* db = args.option("--db")) {
        return *db;
    }
    return history::ReadHistorySettings(SettingsFilePath()).location;
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

// "history [--db FILE|postgresql://...] SUBCOMMAND ...": the database is opened (and created or
// brought up to date) before the subcommand runs; a database that cannot be opened ends the
// command with its reason.
int RunHistory(const CliContext& context, std::span<const std::string> args) {
    auto parsed = ParseCommandArgs(args, {"--db", "--tag", "--unit"});
    if (!parsed || parsed->operands.empty()) {
        return kBadArguments;
    }
    std::string name = parsed->operands.front();
    parsed->operands.erase(parsed->operands.begin());
    for (const Subcommand& subcommand : kSubcommands) {
        if (subcommand.name != name) {
            continue;
        }
        std::string reason;
        auto store = history::OpenHistoryStore(locationOf(*parsed), reason);
        if (!store) {
            ShowHistoryFailure(reason);
            return kExitFileError;
        }
        return subcommand.run({context, *parsed, *store});
    }
    return kBadArguments;
}

} // namespace vestra::cli
