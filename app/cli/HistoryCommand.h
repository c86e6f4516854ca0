#pragma once

#include "CliCommand.h"
#include "CommandArgs.h"
#include "OutputOptions.h"
#include "history/HistoryStore.h"

#include <memory>
#include <string>
#include <string_view>

namespace vestra::cli {

// One subcommand of "history": the parsed arguments after its name, and the store it works on.
struct HistoryRequest {
    const CliContext& context;
    const CommandArgs& args; // operands without the subcommand's name
    history::HistoryStore& store;
    OutputFlags flags; // only tags takes them
};

int RunHistoryAdd(const HistoryRequest& request);
int RunHistoryTags(const HistoryRequest& request);
int RunHistoryExport(const HistoryRequest& request);
int RunHistoryChart(const HistoryRequest& request);

// A failure of the history itself (the database), one line on standard error.
void ShowHistoryFailure(std::string_view reason);

} // namespace vestra::cli
