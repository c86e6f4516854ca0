#include "ErrorLines.h"
#include "HistoryCommand.h"
#include "StandardOutput.h"
#include "base/FileFault.h"
#include "base/FileRead.h"
#include "files/DataFile.h"
#include "history/HistorySources.h"
#include "history/SourceFolders.h"

#include <algorithm>
#include <unistd.h>

namespace vestra::cli {
namespace {

struct AddCounts {
    int added = 0;
    int updated = 0;
    int unchanged = 0;
    int skipped = 0;
};

void reportSkipped(const std::string& path, const std::string& reason, AddCounts& counts) {
    WriteErrorLines("skipped " + FileFaultLine(path, reason));
    ++counts.skipped;
}

void count(history::AddOutcome outcome, AddCounts& counts) {
    switch (outcome) {
    case history::AddOutcome::New:
        ++counts.added;
        break;
    case history::AddOutcome::Updated:
        ++counts.updated;
        break;
    case history::AddOutcome::Unchanged:
        ++counts.unchanged;
        break;
    }
}

std::string summary(const AddCounts& counts) {
    return std::to_string(counts.added) + " new data sets, " + std::to_string(counts.updated) +
           " updated, " + std::to_string(counts.unchanged) + " already stored, " +
           std::to_string(counts.skipped) + " files skipped";
}

constexpr const char* kStandardInput = "-";

// "-" is a data file on standard input, stored with no source file.
bool readSource(const std::string& path, history::SourceFile& source, std::string& reason) {
    if (path != kStandardInput) {
        return history::ReadSourceFile(path, source, reason);
    }
    Expected<FileContents> contents = ReadDescriptor(STDIN_FILENO, kMaxDataFileBytes);
    if (!contents) {
        reason = contents.error().text;
        return false;
    }
    return history::DecodeSourceBytes(contents->bytes, source, reason);
}

} // namespace

// Each data set is its own transaction: a run that is killed or meets a locked database keeps
// every data set it finished. A failure of the database ends the run (the next files would
// meet it too); a file that is no data file is skipped.
int RunHistoryAdd(const HistoryRequest& request) {
    const std::vector<std::string>& operands = request.args.operands;
    if (operands.empty() || request.args.option("--tag") ||
        std::count(operands.begin(), operands.end(), kStandardInput) > 1) {
        return kBadArguments;
    }
    // Standard input first, then the files in the order named (a folder "-" is standard input).
    std::vector<std::string> names;
    std::copy_if(operands.begin(), operands.end(), std::back_inserter(names),
                 [](const std::string& name) { return name != kStandardInput; });
    history::SourceList list = history::CollectSourceFiles(names);
    if (names.size() != operands.size()) {
        list.files.insert(list.files.begin(), kStandardInput);
    }
    AddCounts counts;
    for (const auto& [path, reason] : list.unreadable) {
        reportSkipped(path, reason, counts);
    }
    for (const std::string& path : list.files) {
        history::SourceFile source;
        std::string reason;
        if (!readSource(path, source, reason)) {
            reportSkipped(path, reason, counts);
            continue;
        }
        Expected<history::AddOutcome> outcome =
            request.store.add(source.data, source.unit, source.path);
        if (!outcome) {
            ShowHistoryFailure(outcome.error().text);
            PrintLines(request.context, {summary(counts)});
            return kExitFileError;
        }
        count(*outcome, counts);
    }
    int status = PrintLines(request.context, {summary(counts)});
    return status == kExitOk && counts.skipped > 0 ? kExitFileError : status;
}

} // namespace vestra::cli
