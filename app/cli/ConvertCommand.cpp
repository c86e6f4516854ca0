#include "CliCommand.h"
#include "DataInput.h"
#include "OutputFile.h"
#include "OutputOptions.h"
#include "files/FileCommands.h"

namespace vestra::cli {

// Reads a native data file as the Open command does and writes it again as the Save command
// would for the output's format (CSV and text in --encoding), as the printed report for ".pdf"
// (on --paper), or as JSON for ".json". "-" stands for standard input or output. The data keeps
// the unit of its file, which decides the native extension the output may have.
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
    if (int status = CheckOutputFormatNamed(output); status != kExitOk) {
        return status;
    }
    if (int status = CheckOutputEncoding(context, args, output); status != kExitOk) {
        return status;
    }
    Expected<UnitDataInput, int> read = ReadDataInputInItsUnit(context, args.operands[0]);
    if (!read) {
        return read.error();
    }
    const CliContext& data = read->context;
    if (int status = CheckOutputName(data, output); status != kExitOk) {
        return status;
    }
    DataStore store;
    if (!OpenDataBytes(read->input.bytes, read->input.name, store, data.unit, data.messages)) {
        return kExitFileError;
    }
    return WriteOutput(data, store, output, *paper);
}

} // namespace vestra::cli
