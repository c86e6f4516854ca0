#include "CliCommand.h"
#include "OutputFile.h"
#include "OutputOptions.h"
#include "base/FileRead.h"
#include "files/DataFile.h"
#include "files/FileCommands.h"
#include "files/FileErrors.h"

#include <unistd.h>

namespace vestra::cli {
namespace {

constexpr const char* kStandardInputName = "標準入力";

// A data file on standard input is read as the Open command reads a file.
bool openInput(const CliContext& context, const std::string& input, DataStore& store) {
    if (input != "-") {
        return OpenDataFile(input, store, context.unit, context.messages);
    }
    FileContents contents;
    std::string reason;
    if (!ReadDescriptor(STDIN_FILENO, kMaxDataFileBytes, contents, reason)) {
        ShowLoadError(context.messages, kStandardInputName, reason);
        return false;
    }
    return OpenDataBytes(contents.bytes, kStandardInputName, store, context.unit, context.messages);
}

} // namespace

// Reads a native data file as the Open command does and writes it again as the Save command
// would for the output's format (CSV and text in --encoding), as the printed report for ".pdf"
// (on --paper), or as JSON for ".json". "-" stands for standard input or output.
int RunConvert(const CliContext& context, const CommandArgs& args) {
    if (args.operands.size() != 2) {
        return kBadArguments;
    }
    OutputTarget output = OutputTargetOf(args.operands[1], args.option("--format"));
    output.encoding = OutputEncoding(args, TextEncoding::Cp932);
    std::optional<ReportPaper> paper = OutputPaper(args, &output);
    if (!paper) {
        return kExitUsage;
    }
    if (int status = CheckOutputName(context, output); status != kExitOk) {
        return status;
    }
    DataStore store;
    if (!openInput(context, args.operands[0], store)) {
        return kExitFileError;
    }
    return WriteOutput(context, store, output, *paper);
}

} // namespace vestra::cli
