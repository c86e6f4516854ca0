#include "HistoryCommand.h"
#include "StandardOutput.h"
#include "base/AtomicFile.h"
#include "base/FileFunc.h"
#include "base/VisibleText.h"
#include "chart/SvgWriter.h"
#include "data/ValueFormat.h"
#include "files/Export.h"
#include "files/FileErrors.h"
#include "history/HistoryCsv.h"
#include "history/HistoryJson.h"
#include "history/HistoryTrend.h"

#include <array>
#include <unistd.h>

namespace vestra::cli {
namespace {

// The readings of the tag; a tag without any (misspelt, or of the other unit) is named, since
// an empty file would look like a tag that was never measured.
bool readTag(const HistoryRequest& request, const std::string& tag, TemperatureUnit unit,
             std::vector<history::HistoryReading>& readings) {
    auto read = request.store.readings({history::HistoryKey::Tag, tag, unit});
    if (!read) {
        ShowHistoryFailure(read.error().text);
        return false;
    }
    readings = std::move(*read);
    if (readings.empty()) {
        ShowHistoryFailure("タグ '" + VisibleText(tag) + "' の記録がありません (単位 " +
                           UnitText(unit) + ")");
        return false;
    }
    return true;
}

constexpr const char* kTagsHeader = "tag\tobject\tunit\treadings\tfirst\tlast";

} // namespace

// One line per tag, object and unit: tag, object, unit, readings, first and last time,
// separated by tabs (UTF-8, as the tool prints every listing; control characters escaped);
// --header puts the column names first, --json prints the JSON document instead.
int RunHistoryTags(const HistoryRequest& request) {
    if (!request.args.operands.empty() || request.args.option("--tag") ||
        (request.flags.json && request.flags.header)) {
        return kBadArguments;
    }
    auto tags = request.store.tags();
    if (!tags) {
        ShowHistoryFailure(tags.error().text);
        return kExitFileError;
    }
    if (request.flags.json) {
        return PrintText(request.context, history::TagsJson(*tags));
    }
    std::vector<std::string> lines;
    if (request.flags.header) {
        lines.emplace_back(kTagsHeader);
    }
    for (const history::TagSummary& t : *tags) {
        lines.push_back(VisibleText(t.tag) + '\t' + VisibleText(t.object) + '\t' +
                        UnitText(t.unit) + '\t' + std::to_string(t.readings) + '\t' +
                        FormatTimestamp(t.first) + '\t' + FormatTimestamp(t.last));
    }
    return PrintLines(request.context, lines);
}

// The readings of one tag as CSV with CR LF, as the data export writes (code page 932 unless
// --encoding says otherwise), or with --format json as the JSON document; "-" writes standard
// output.
int RunHistoryExport(const HistoryRequest& request) {
    const std::string* tag = request.args.option("--tag");
    TemperatureUnit unit = request.context.unit;
    if (tag == nullptr || request.args.operands.size() != 1) {
        return kBadArguments;
    }
    TextEncoding encoding = OutputEncoding(request.args, TextEncoding::Cp932);
    std::vector<history::HistoryReading> readings;
    if (!readTag(request, *tag, unit, readings)) {
        return kExitFileError;
    }
    const std::string* format = request.args.option("--format");
    bool json = format != nullptr && LowerCaseAscii(*format) == "json";
    std::string bytes = json ? history::HistoryReadingsJson(readings, unit)
                             : EncodeCsvLines(history::HistoryCsvLines(readings, unit), encoding);
    const std::string& out = request.args.operands.front();
    bool toStream = out == "-";
    std::string reason;
    Expected<void> written;
    if (!toStream) {
        written = WriteFileAtomically(out, bytes);
    } else if (!WriteAllTo(STDOUT_FILENO, bytes, reason)) {
        written = unexpected(Error{reason});
    }
    if (!written) {
        ShowSaveError(request.context.messages, toStream ? kStandardOutputName : out,
                      written.error().text);
        return kExitFileError;
    }
    return kExitOk;
}

namespace {

constexpr double kChartWidth = 800;
constexpr double kChartHeight = 400;

} // namespace

// The trend of one tag as SVG, 800 x 400 pixels, drawn as the history window draws it.
int RunHistoryChart(const HistoryRequest& request) {
    const std::string* tag = request.args.option("--tag");
    TemperatureUnit unit = request.context.unit;
    if (tag == nullptr || request.args.operands.size() != 1 ||
        LowerCaseAscii(ExtensionOf(request.args.operands.front())) != "svg") {
        return kBadArguments;
    }
    std::vector<history::HistoryReading> readings;
    if (!readTag(request, *tag, unit, readings)) {
        return kExitFileError;
    }
    const std::string& out = request.args.operands.front();
    std::string svg = chart::WriteSvg(history::LayoutTrend(readings, kChartWidth, kChartHeight));
    if (Expected<void> written = WriteFileAtomically(out, svg); !written) {
        ShowSaveError(request.context.messages, out, written.error().text);
        return kExitFileError;
    }
    return kExitOk;
}

} // namespace vestra::cli
