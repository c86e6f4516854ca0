#include "CliCommand.h"
#include "DataInput.h"
#include "ErrorLines.h"
#include "ReportProgram.h"
#include "base/AtomicFile.h"
#include "base/FileFunc.h"
#include "base/VisibleText.h"
#include "chart/ChartFormat.h"
#include "chart/GroupChart.h"
#include "chart/SvgWriter.h"
#include "files/DataFile.h"
#include "files/FileCommands.h"
#include "files/FileErrors.h"

#include <charconv>

namespace vestra::cli {
namespace {

constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 400;
// Smaller leaves no room for the labels; larger is no longer a picture but a memory hog.
constexpr int kSmallestSide = 100;
constexpr int kLargestSide = 10000;

std::optional<int> number(const std::string* text, int fallback, int low, int high) {
    if (text == nullptr) {
        return fallback;
    }
    int value = 0;
    const char* end = text->data() + text->size();
    auto [stop, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc() || stop != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<chart::ChartFormat> formatOf(const std::string& path) {
    std::string extension = LowerCaseAscii(ExtensionOf(path));
    if (extension == "svg") {
        return chart::ChartFormat::Svg;
    }
    if (extension == "png") {
        return chart::ChartFormat::Png;
    }
    return std::nullopt;
}

std::string svgOf(const DataSet& data, int group, TemperatureUnit unit, int width, int height) {
    return chart::WriteSvg(chart::LayoutGroupChart(data, group, unit, width, height).drawing);
}

struct ChartRequest {
    int group;
    int width;
    int height;
};

// The PNG is painted with the window's painting code and fonts, so it comes from the report
// program, which links Qt; the tool itself starts without it.
bool pngOf(const CliContext& context, const DataSet& data, ChartRequest request, std::string& png,
           std::string& reason) {
    return RunReportProgram(
        ReportKind::Png,
        {"chart-png", "--unit", UnitLetter(context.unit), "--group", std::to_string(request.group),
         "--width", std::to_string(request.width), "--height", std::to_string(request.height)},
        EncodeDataFile(data, context.unit), png, reason);
}

} // namespace

// Draws the chart of one group of a native data file as the main window does, into an SVG or
// PNG file of the given size, in the unit of the file ("-" is standard input). The same input
// gives the same bytes.
int RunChart(const CliContext& context, const CommandArgs& args) {
    if (args.operands.size() != 3) {
        return kBadArguments;
    }
    const std::string& output = args.operands[2];
    auto group = number(&args.operands[1], 0, 1, kGroupCount);
    auto width = number(args.option("--width"), kDefaultWidth, kSmallestSide, kLargestSide);
    auto height = number(args.option("--height"), kDefaultHeight, kSmallestSide, kLargestSide);
    if (!group) {
        return RefuseUsage("bad value for GROUP: '" + VisibleText(args.operands[1]) +
                           "' (1 to 15)");
    }
    for (auto [name, value] : {std::pair{"--width", width}, std::pair{"--height", height}}) {
        if (!value) {
            return RefuseUsage(std::string("bad value for ") + name + ": '" +
                               VisibleText(*args.option(name)) + "' (100 to 10000)");
        }
    }
    std::optional<chart::ChartFormat> format = formatOf(output);
    if (!format) {
        ShowUnsupportedFileName(context.messages);
        return kExitUsage;
    }
    Expected<UnitDataInput, int> read = ReadDataInputInItsUnit(context, args.operands[0]);
    if (!read) {
        return read.error();
    }
    const CliContext& data = read->context;
    DataStore store;
    if (!OpenDataBytes(read->input.bytes, read->input.name, store, data.unit, data.messages)) {
        return kExitFileError;
    }
    std::string bytes;
    std::string reason;
    bool drawn = true;
    if (*format == chart::ChartFormat::Svg) {
        bytes = svgOf(store.currentData, *group, data.unit, *width, *height);
    } else {
        drawn = pngOf(data, store.currentData, {*group, *width, *height}, bytes, reason);
    }
    if (!drawn) {
        ShowSaveError(context.messages, output, reason);
        return kExitFileError;
    }
    if (Expected<void> written = WriteFileAtomically(output, bytes); !written) {
        ShowSaveError(context.messages, output, written.error().text);
        return kExitFileError;
    }
    return kExitOk;
}

} // namespace vestra::cli
