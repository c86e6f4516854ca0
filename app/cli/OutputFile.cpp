#include "OutputFile.h"

#include "ErrorLines.h"
#include "ReportProgram.h"
#include "StandardOutput.h"
#include "base/AtomicFile.h"
#include "base/FileFunc.h"
#include "base/TemperatureUnit.h"
#include "files/DataFile.h"
#include "files/Export.h"
#include "files/FileCommands.h"
#include "files/FileErrors.h"
#include "files/JsonExport.h"

#include <unistd.h>

namespace vestra::cli {
namespace {

constexpr const char* kStandardStream = "-";

bool isPdf(const OutputTarget& target) {
    return LowerCaseAscii(ExtensionOf(target.formatName)) == "pdf";
}

bool isJson(const OutputTarget& target) {
    return LowerCaseAscii(ExtensionOf(target.formatName)) == "json";
}

int writeBytes(const CliContext& context, const std::string& path, const std::string& bytes) {
    bool toStream = path == kStandardStream;
    std::string reason;
    Expected<void> written;
    if (!toStream) {
        written = WriteFileAtomically(path, bytes);
    } else if (!WriteAllTo(STDOUT_FILENO, bytes, reason)) {
        written = unexpected(Error{reason});
    }
    if (!written) {
        ShowSaveError(context.messages, toStream ? kStandardOutputName : path,
                      written.error().text);
        return kExitFileError;
    }
    return kExitOk;
}

// The report is laid out by the printing code, which needs Qt; it runs in a program of its own
// so that every other command starts without loading Qt at all.
bool renderPdf(const CliContext& context, const DataStore& store, ReportPaper paper,
               std::string& pdf, std::string& reason) {
    std::string paperName = paper == ReportPaper::Letter ? "letter" : "a4";
    return RunReportProgram(ReportKind::Pdf,
                            {"pdf", "--unit", UnitLetter(context.unit), "--paper", paperName},
                            EncodeDataFile(store.currentData, context.unit), pdf, reason);
}

int writePdf(const CliContext& context, const DataStore& store, const std::string& path,
             ReportPaper paper) {
    std::string pdf;
    std::string reason;
    if (!renderPdf(context, store, paper, pdf, reason)) {
        ShowSaveError(context.messages, path == kStandardStream ? kStandardOutputName : path,
                      reason);
        return kExitFileError;
    }
    return writeBytes(context, path, pdf);
}

// The bytes the Save command would write for the format, in the target's encoding, or JSON.
std::string encode(const DataStore& store, const CliContext& context, const OutputTarget& target) {
    if (isJson(target)) {
        return DataSetJson(store.currentData, context.unit);
    }
    switch (SaveFormatOf(target.formatName, context.unit)) {
    case SaveFormat::Native:
        return EncodeDataFile(store.currentData, context.unit);
    case SaveFormat::Csv:
        return EncodeCsvLines(CsvLines(store.currentData, context.unit), target.encoding);
    default:
        return EncodeLines(TextReportLines(store.currentData, context.unit), target.encoding);
    }
}

} // namespace

OutputTarget OutputTargetOf(const std::string& operand, const std::string* format) {
    if (operand != kStandardStream) {
        return {operand, operand};
    }
    return {operand, format != nullptr ? std::string("-.") + *format : std::string()};
}

int CheckOutputFormatNamed(const OutputTarget& target) {
    if (target.path == kStandardStream && target.formatName.empty()) {
        return RefuseUsage("standard output has no extension: name --format");
    }
    return kExitOk;
}

int CheckOutputName(const CliContext& context, const OutputTarget& target) {
    if (int status = CheckOutputFormatNamed(target); status != kExitOk) {
        return status;
    }
    bool unsupported = SaveFormatOf(target.formatName, context.unit) == SaveFormat::Unsupported;
    if (!isPdf(target) && !isJson(target) && unsupported) {
        ShowUnsupportedFileName(context.messages);
        return kExitUsage;
    }
    return kExitOk;
}

int CheckOutputEncoding(const CliContext& context, const CommandArgs& args,
                        const OutputTarget& target) {
    SaveFormat format = SaveFormatOf(target.formatName, context.unit);
    bool encoded = !isJson(target) && (format == SaveFormat::Csv || format == SaveFormat::Text);
    if (args.option("--encoding") != nullptr && !encoded) {
        return RefuseUsage("--encoding applies to CSV and text outputs only");
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
    // A file in a form the Save command writes goes its way, with its messages.
    bool saveForm = !isJson(target) && target.encoding == TextEncoding::Cp932;
    if (target.path == kStandardStream || !saveForm) {
        return writeBytes(context, target.path, encode(store, context, target));
    }
    SaveResult result = SaveToFile(target.path, store, context.unit, context.messages);
    return result == SaveResult::Saved ? kExitOk : kExitFileError;
}

} // namespace vestra::cli
