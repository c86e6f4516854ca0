#include "chart/QtChartSave.h"

#include "base/AtomicFile.h"
#include "base/FileFunc.h"
#include "chart/QtChartPainter.h"
#include "chart/SvgWriter.h"
#include "files/FileChoice.h"
#include "files/FileErrors.h"

namespace vestra::chart {
namespace {

FileDialogSetup setupFor(ChartFormat format, const std::string& folder, const std::string& name) {
    if (format == ChartFormat::Svg) {
        return {folder, name, "svg", {{"SVGﾌｧｲﾙ(*.svg)", "*.svg"}}};
    }
    return {folder, name, "png", {{"PNGﾌｧｲﾙ(*.png)", "*.png"}}};
}

} // namespace

std::string ChartFileBytes(const Drawing& drawing, ChartFormat format) {
    if (format == ChartFormat::Svg) {
        return WriteSvg(drawing);
    }
    QByteArray png = RenderPng(drawing);
    return png.toStdString();
}

std::optional<std::string> SaveChartAs(const Drawing& drawing, ChartFormat format,
                                       FileDialogs& dialogs, const std::string& folder,
                                       const std::string& name, MessageSink& messages) {
    FileDialogSetup setup = setupFor(format, folder, name);
    std::string extension = setup.defaultExtension;
    std::optional<std::string> path = AskSaveName(
        dialogs, setup,
        [&extension](const std::string& p) { return LowerCaseAscii(ExtensionOf(p)) == extension; },
        messages);
    if (!path) {
        return std::nullopt;
    }
    std::string bytes = ChartFileBytes(drawing, format);
    if (bytes.empty()) {
        ShowSaveError(messages, *path, "PNG画像を作れません");
        return std::nullopt;
    }
    if (Expected<void> written = WriteFileAtomically(*path, bytes); !written) {
        ShowSaveError(messages, *path, written.error().text);
        return std::nullopt;
    }
    return path;
}

} // namespace vestra::chart
