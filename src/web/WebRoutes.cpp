#include "web/WebRoutes.h"

#include "base/TemperatureUnit.h"
#include "chart/SvgWriter.h"
#include "data/ValueFormat.h"
#include "files/Export.h"
#include "files/JsonExport.h"
#include "history/HistoryCsv.h"
#include "history/HistoryJson.h"
#include "history/HistoryTrend.h"
#include "web/Overview.h"
#include "web/WebJson.h"
#include "web/WebPages.h"

#include <array>
#include <charconv>
#include <cmath>
#include <map>

namespace vestra::web {
namespace {

constexpr double kChartWidth = 800;
constexpr double kChartHeight = 400;
// A rise beyond any thermometer's range is a typing error, not a question.
constexpr float kLargestRise = 10000;

const std::string* param(const WebRequest& request, const std::string& name) {
    auto found = request.params.find(name);
    return found == request.params.end() ? nullptr : &found->second;
}

std::optional<long long> integer(const std::string* text, long long fallback) {
    if (text == nullptr) {
        return fallback;
    }
    long long value = 0;
    auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

std::optional<ReadingsView> readingsView(const WebRequest& request, history::HistoryKey key) {
    const std::string* name = param(request, "name");
    // The letter of the URL and of the JSON ("C", "F").
    const std::string* letter = param(request, "unit");
    std::optional<TemperatureUnit> unit =
        letter != nullptr ? UnitFromLetter(*letter) : std::nullopt;
    if (name == nullptr || name->empty() || !unit) {
        return std::nullopt;
    }
    return ReadingsView{key, *name, *unit};
}

std::optional<ReadingsView> keyedView(const WebRequest& request) {
    const std::string* key = param(request, "key");
    if (key == nullptr || (*key != "tag" && *key != "object")) {
        return std::nullopt;
    }
    return readingsView(request,
                        *key == "tag" ? history::HistoryKey::Tag : history::HistoryKey::Object);
}

std::optional<OverviewView> overviewView(const WebRequest& request, float defaultRise) {
    OverviewView view{OverviewOrder::Tag, defaultRise, "", 0};
    if (const std::string* sort = param(request, "sort")) {
        auto order = OverviewOrderOf(*sort);
        if (!order) {
            return std::nullopt;
        }
        view.order = *order;
    }
    if (const std::string* rise = param(request, "rise"); rise != nullptr && !rise->empty()) {
        float value = 0;
        auto [end, error] = std::from_chars(rise->data(), rise->data() + rise->size(), value);
        if (error != std::errc() || end != rise->data() + rise->size() || !std::isfinite(value) ||
            std::fabs(value) > kLargestRise) {
            return std::nullopt;
        }
        view.rise = value;
    }
    if (const std::string* text = param(request, "q")) {
        view.text = *text;
    }
    std::optional<long long> offset = integer(param(request, "offset"), 0);
    if (!offset) {
        return std::nullopt;
    }
    view.offset = *offset;
    return view;
}

void badRequest(const WebOptions& options, WebResponse& response) {
    response = HtmlResponse(400, MessagePage(options.basePath, "要求が正しくありません",
                                             "パラメーターが正しくありません。"));
}

void noReadings(const WebOptions& options, WebResponse& response) {
    response = HtmlResponse(
        404, MessagePage(options.basePath, "記録がありません", "この単位の記録はありません。"));
}

bool readOverview(history::HistoryStore& store, const WebRequest& request, const SiteContext& site,
                  std::vector<OverviewRow>& rows, std::optional<OverviewView>& view,
                  std::string& reason) {
    view = overviewView(request, site.options.rise);
    return !view || site.overview.rows(store, site.revision, rows, reason);
}

// The overview as a page, or as the API's document.
template <bool json>
bool overview(history::HistoryStore& store, const WebRequest& request, const SiteContext& site,
              WebResponse& response, std::string& reason) {
    std::vector<OverviewRow> rows;
    std::optional<OverviewView> view;
    if (!readOverview(store, request, site, rows, view, reason)) {
        return false;
    }
    if (!view) {
        badRequest(site.options, response);
        return true;
    }
    RankOverview(rows, view->order, view->rise, view->text);
    response = json ? JsonResponse(OverviewJson(rows, view->rise))
                    : HtmlResponse(200, OverviewPage(site.options.basePath, rows, *view,
                                                     WebSite::kPageSize));
    return true;
}

// The readings of the view, or the answer that there are none to show.
bool readReadings(history::HistoryStore& store, const std::optional<ReadingsView>& view,
                  const WebOptions& options, std::vector<history::HistoryReading>& readings,
                  WebResponse& response, std::string& reason) {
    if (!view) {
        badRequest(options, response);
        return true;
    }
    if (!store.readings({view->key, view->name, view->unit}, readings, reason)) {
        return false;
    }
    if (readings.empty()) {
        noReadings(options, response);
    }
    return true;
}

template <history::HistoryKey key>
bool readingsPage(history::HistoryStore& store, const WebRequest& request, const SiteContext& site,
                  WebResponse& response, std::string& reason) {
    const WebOptions& options = site.options;
    std::optional<ReadingsView> view = readingsView(request, key);
    std::vector<history::HistoryReading> readings;
    if (!readReadings(store, view, options, readings, response, reason)) {
        return false;
    }
    if (!readings.empty()) {
        response = HtmlResponse(200, ReadingsPage(options.basePath, *view, readings));
    }
    return true;
}

enum class ReadingsForm { Svg, Csv, Json };

template <ReadingsForm form>
bool readingsFile(history::HistoryStore& store, const WebRequest& request, const SiteContext& site,
                  WebResponse& response, std::string& reason) {
    const WebOptions& options = site.options;
    std::optional<ReadingsView> view = keyedView(request);
    std::vector<history::HistoryReading> readings;
    if (!readReadings(store, view, options, readings, response, reason)) {
        return false;
    }
    if (readings.empty()) {
        return true;
    }
    if constexpr (form == ReadingsForm::Svg) {
        response =
            Answer(200, "image/svg+xml",
                   chart::WriteSvg(history::LayoutTrend(readings, kChartWidth, kChartHeight)));
    } else if constexpr (form == ReadingsForm::Csv) {
        // As `vestra-cli history export` writes it: code page 932, CR LF.
        response = Answer(
            200, "text/csv; charset=Shift_JIS",
            EncodeCsvLines(history::HistoryCsvLines(readings, view->unit), TextEncoding::Cp932));
        response.headers.emplace_back("Content-Disposition",
                                      "attachment; filename=\"history.csv\"");
    } else {
        response = JsonResponse(history::HistoryReadingsJson(readings, view->unit));
    }
    return true;
}

template <bool json>
bool dataSets(history::HistoryStore& store, const WebRequest& request, const SiteContext& site,
              WebResponse& response, std::string& reason) {
    const WebOptions& options = site.options;
    std::optional<long long> offset = integer(param(request, "offset"), 0);
    if (!offset) {
        badRequest(options, response);
        return true;
    }
    std::vector<history::DataSetSummary> list;
    long long total = 0;
    if (!store.dataSets(*offset, WebSite::kPageSize, list, total, reason)) {
        return false;
    }
    response = json ? JsonResponse(DataSetsJson(list, total, *offset))
                    : HtmlResponse(200, DataSetsPage(options.basePath, list, total, *offset,
                                                     WebSite::kPageSize));
    return true;
}

template <bool json>
bool dataSet(history::HistoryStore& store, const WebRequest& request, const SiteContext& site,
             WebResponse& response, std::string& reason) {
    const WebOptions& options = site.options;
    std::optional<long long> id = integer(param(request, "id"), -1);
    if (!id || *id < 1) {
        badRequest(options, response);
        return true;
    }
    history::StoredDataSet stored;
    bool found = false;
    if (!store.dataSet(*id, stored, found, reason)) {
        return false;
    }
    if (!found) {
        response = HtmlResponse(
            404, MessagePage(options.basePath, "見つかりません", "このデータセットはありません。"));
    } else if (json) {
        response = JsonResponse(DataSetJson(stored.data, stored.summary.unit));
    } else {
        response = HtmlResponse(200, DataSetPage(options.basePath, stored));
    }
    return true;
}

const std::map<std::string_view, HistoryRoute> kRoutes{
    {"/", overview<false>},
    {"/tag", readingsPage<history::HistoryKey::Tag>},
    {"/object", readingsPage<history::HistoryKey::Object>},
    {"/chart.svg", readingsFile<ReadingsForm::Svg>},
    {"/readings.csv", readingsFile<ReadingsForm::Csv>},
    {"/data-sets", dataSets<false>},
    {"/data-set", dataSet<false>},
    {"/api/tags", overview<true>},
    {"/api/readings", readingsFile<ReadingsForm::Json>},
    {"/api/data-sets", dataSets<true>},
    {"/api/data-set", dataSet<true>},
};

} // namespace

HistoryRoute HistoryRouteOf(std::string_view path) {
    auto found = kRoutes.find(path);
    return found == kRoutes.end() ? nullptr : found->second;
}

WebResponse HtmlResponse(int status, std::string body) {
    return Answer(status, "text/html; charset=utf-8", std::move(body));
}

WebResponse JsonResponse(std::string body) {
    return Answer(200, "application/json; charset=utf-8", std::move(body));
}

} // namespace vestra::web
