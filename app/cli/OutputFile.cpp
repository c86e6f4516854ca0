#include "OutputFile.h"

#include "files/FileCommands.h"
#include "files/FileErrors.h"
#include "print/ReportPdf.h"
#include "shell/FileFunc.h"

#include <QGuiApplication>

namespace vestra::cli {
namespace {

bool isPdf(const std::string& path) {
    return LowerCaseAscii(ExtensionOf(path)) == "pdf";
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

int writePdf(const CliContext& context, const DataStore& store, const std::string& path) {
    ensureGuiApplication();
    std::string error;
    if (!WriteReportPdf(store.currentData, context.unit, path, error)) {
        ShowSaveError(context.messages);
        return kExitFileError;
    }
    return kExitOk;
}

} // namespace

int CheckOutputName(const CliContext& context, const std::string& path) {
    if (!isPdf(path) && SaveFormatOf(path, context.unit) == SaveFormat::Unsupported) {
        ShowUnsupportedFileName(context.messages);
        return kExitUsage;
    }
    return kExitOk;
}

int WriteOutput(const CliContext& context, DataStore& store, const std::string& path) {
    if (isPdf(path)) {
        return writePdf(context, store, path);
    }
    SaveResult result = SaveToFile(path, store, context.unit, context.messages);
    return result == SaveResult::Saved ? kExitOk : kExitFileError;
}

} // namespace vestra::cli
