#include "OutputFile.h"

#include "StandardOutput.h"
#include "files/DataFile.h"
#include "files/Export.h"
#include "files/FileCommands.h"
#include "files/FileErrors.h"
#include "print/ReportPdf.h"
#include "shell/FileFunc.h"

#include <QGuiApplication>
#include <unistd.h>

namespace vestra::cli {
namespace {

constexpr const char* kStandardStream = "-";

bool isPdf(const OutputTarget& target) {
    return LowerCaseAscii(ExtensionOf(target.formatName)) == "pdf";
}

// The report is laid out with the printer's fonts, which need a GUI application object; the
// tool never shows a window, so it needs no display either.
void ensureGuiApplication() {
    if (QCoreApplication::instance()) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "vestra-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

int writePdf(const CliContext& context, const DataStore& store, const std::string& path,
             ReportPaper paper) {
    ensureGuiApplication();
    std::string error;
    if (!WriteReportPdf(store.currentData, context.unit, paper, path, error)) {
        ShowSaveError(context.messages, path, error);
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
    bool unsupported = SaveFormatOf(target.formatName, context.unit) == SaveFormat::Unsupported;
    // The report is laid out for a printer; it reaches standard output only as a file would.
    bool pdfToStream = isPdf(target) && target.path == kStandardStream;
    if (pdfToStream || (!isPdf(target) && unsupported)) {
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
