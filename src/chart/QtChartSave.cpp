#include "chart/QtChartSave.h"

#include "chart/QtChartPainter.h"
#include "chart/SvgWriter.h"
#include "files/FileChoice.h"
#include "files/FileCommands.h"
#include "files/FileErrors.h"
#include "shell/AtomicFile.h"
#include "shell/FileFunc.h"

namespace vestra::chart {
namespace {

FileDialogSetup setupFor(ChartFormat format, const std::string& folder) {
    if (format == ChartFormat::Svg) {
        return {folder, "", "svg", {{"SVGﾌｧｲﾙ(*.svg)", "*.svg"}}};
    }
    return {folder, "", "png", {{"PNGﾌｧｲﾙ(*.png)", "*.png"}}};
}

} // namespace

std::string ChartFileBytes(const Drawing& drawing, ChartFormat format) {
    if (format == ChartFormat::Svg) {
        return WriteSvg(drawing);
    }
    QByteArray png = RenderPng(drawing);
    return png.toStdString();
}

bool SaveChartAs(const Drawing& drawing, ChartFormat format, FileDialogs& dialogs,
                 const std::string& folder, MessageSink& messages) {
    FileDialogSetup setup = setupFor(format, folder);
    for (;;) {
        std::optional<std::string> chosen = dialogs.askSave(setup);
        if (!chosen) {
            return false;
        }
        std::string path = WithDefaultExtension(*chosen, setup.defaultExtension);
        if (LowerCaseAscii(ExtensionOf(path)) != setup.defaultExtension) {
            ShowUnsupportedFileName(messages);
            continue;
        }
        if (!ConfirmReplace(path, messages)) {
            setup.folder = FolderOf(path);
            std::string name = FileNameOf(path);
            setup.name = name.substr(0, name.size() - setup.defaultExtension.size() - 1);
            continue;
        }
        std::string bytes = ChartFileBytes(drawing, format);
        std::string reason = "PNG画像を作れません";
        if (bytes.empty() || !WriteFileAtomically(path, bytes, reason)) {
            ShowSaveError(messages, path, reason);
            return false;
        }
        return true;
    }
}

} // namespace vestra::chart
