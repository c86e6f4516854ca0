#include "OutputFile.h"

#include "ErrorLines.h"
#include "ReportProgram.h"
#include "StandardOutput.h"
#include "files/DataFile.h"
#include "files/Export.h"
#include "files/FileCommands.h"
#include "files/FileErrors.h"
#include "shell/AtomicFile.h"
#include "shell/Common.h"
#include "shell/FileFunc.h"

#include <unistd.h>

namespace vestra::cli {
namespace {

constexpr const char* kStandardStream = "-";

bool isPdf(const OutputTarget& target) {
    return LowerCaseAscii(ExtensionOf(target.formatName)) == "pdf";
}

// The report is laid out by the printing code, which needs Qt; it runs in a program of its own
// so that every other command starts without loading Qt at all.
bool renderPdf(const CliContext& context, const DataStore& store, ReportPaper paper,
               std::string& pdf, std::string& reason) {
    std::string unit = IsCelsius(context.unit) ? "C" : "F";
    std::string paperName = paper == ReportPaper::Letter ? "letter" : "a4";
    return RunReportProgram(ReportKind::Pdf, {"pdf", "--unit", unit, "--paper", paperName},
                            EncodeDataFile(store.currentData, context.unit), pdf, reason);
}

int writePdf(const CliContext& context, const DataStore& store, const std::string& path,
             ReportPaper paper) {
    std::string pdf;
    std::string reason;
    bool toStream = path == kStandardStream;
    bool written = renderPdf(context, store, paper, pdf, reason) &&
                   (toStream ? WriteAllTo(STDOUT_FILENO, pdf, reason)
                             : WriteFileAtomically(path, pdf, reason));
    if (!written) {
        ShowSaveError(context.messages, toStream ? kStandardOutputName : path, reason);
        return kExitFileError;
    }
    return kExitOk;
}

// The bytes the Save command would write for the format.
std::string encode(const DataStore& store, const CliContext& context, SaveFormat format) {
    switch (format) {
    case SaveFormat::Native:
        return EncodeDataFile(store.currentData, context.unit);
    case SaveFormat::Csv:
        return EncodeLines(CsvLines(store.currentData, context.unit));
    default:
        return EncodeLines(TextReportLines(store.currentData, context.unit));
    }
}

int writeStandardOutput(const CliContext& context, const DataStore& store,
                        const OutputTarget& target) {
    std::string reason;
    SaveFormat format = SaveFormatOf(target.formatName, context.unit);
    if (!WriteAllTo(STDOUT_FILENO, encode(store, context, format), reason)) {
        ShowSaveError(context.messages, kStandardOutputName, reason);
        return kExitFileError;
    }
    return kExitOk;
}

} // namespace

OutputTarget OutputTargetOf(const std::string& operand, const std::string* format) {
    if (operand != kStandardStream) {
        return {operand, operand};
    }
    return {operand, format != nullptr ? std::string("-.") + *format : std::string()};
}

int CheckOutputName(const CliContext& context, const OutputTarget& target) {
    if (target.path == kStandardStream && target.formatName.empty()) {
        return RefuseUsage("standard output has no extension: name --format");
    }
    bool unsupported = SaveFormatOf(target.formatName, context.unit) == SaveFormat::Unsupported;
    if (!isPdf(target) && unsupported) {
        ShowUnsupportedFileName(context.messages);
        return kExitUsage;
    }
    return kExitOk;
}

std::optional<ReportPaper> OutputPaper(const CommandArgs& args, const OutputTarget* output) {
    const std::string* paper = args.option("--paper");
    if (paper == nullptr) {
        return EnvironmentPaper();
    }
    if (output == nullptr || !isPdf(*output)) {
        RefuseUsage("--paper applies to a PDF output only");
        return std::nullopt;
    }
    return ParseReportPaper(*paper);
}

int WriteOutput(const CliContext& context, DataStore& store, const OutputTarget& target,
                ReportPaper paper) {
    if (isPdf(target)) {
        return writePdf(context, store, target.path, paper);
    }
    if (target.path == kStandardStream) {
        return writeStandardOutput(context, store, target);
    }
    SaveResult result = SaveToFile(target.path, store, context.unit, context.messages);
    return result == SaveResult::Saved ? kExitOk : kExitFileError;
}

} // namespace vestra::cli
