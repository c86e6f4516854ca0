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

WebResponse badRequest(const WebOptions& options) {
    return HtmlResponse(400, MessagePage(options.basePath, "要求が正しくありません",
                                         "パラメーターが正しくありません。"));
}

// The overview as a page, or as the API's document.
template <bool json>
Expected<WebResponse> overview(history::HistoryStore& store, const WebRequest& request,
                               const SiteContext& site) {
    std::optional<OverviewView> view = overviewView(request, site.options.rise);
    if (!view) {
        return badRequest(site.options);
    }
    Expected<std::vector<OverviewRow>> rows = site.overview.rows(store, site.revision);
    if (!rows) {
        return unexpected(std::move(rows).error());
    }
    RankOverview(*rows, view->order, view->rise, view->text);
    return json ? JsonResponse(OverviewJson(*rows, view->rise))
                : HtmlResponse(
                      200, OverviewPage(site.options.basePath, *rows, *view, WebSite::kPageSize));
}

// The answer make gives from the readings of the view, or the answer that there are none to
// show.
template <typename Make>
Expected<WebResponse> withReadings(history::HistoryStore& store,
                                   const std::optional<ReadingsView>& view,
                                   const WebOptions& options, Make make) {
    if (!view) {
        return badRequest(options);
    }
    auto readings = store.readings({view->key, view->name, view->unit});
    if (!readings) {
        return unexpected(std::move(readings).error());
    }
    if (readings->empty()) {
        return HtmlResponse(
            404, MessagePage(options.basePath, "記録がありません", "この単位の記録はありません。"));
    }
    return make(*view, *readings);
}

template <history::HistoryKey key>
Expected<WebResponse> readingsPage(history::HistoryStore& store, const WebRequest& request,
                                   const SiteContext& site) {
    const WebOptions& options = site.options;
    return withReadings(store, readingsView(request, key), options,
                        [&](const ReadingsView& view, const auto& readings) {
                            return HtmlResponse(200,
                                                ReadingsPage(options.basePath, view, readings));
                        });
}

enum class ReadingsForm { Svg, Csv, Json };

template <ReadingsForm form>
Expected<WebResponse> readingsFile(history::HistoryStore& store, const WebRequest& request,
                                   const SiteContext& site) {
    return withReadings(
        store, keyedView(request), site.options,
        [](const ReadingsView& view, const auto& readings) {
            if constexpr (form == ReadingsForm::Svg) {
                return Answer(
                    200, "image/svg+xml",
                    chart::WriteSvg(history::LayoutTrend(readings, kChartWidth, kChartHeight)));
            } else if constexpr (form == ReadingsForm::Csv) {
                // As `vestra-cli history export` writes it: code page 932, CR LF.
                WebResponse response =
                    Answer(200, "text/csv; charset=Shift_JIS",
                           EncodeCsvLines(history::HistoryCsvLines(readings, view.unit),
                                          TextEncoding::Cp932));
                response.headers.emplace_back("Content-Disposition",
                                              "attachment; filename=\"history.csv\"");
                return response;
            } else {
                return JsonResponse(history::HistoryReadingsJson(readings, view.unit));
            }
        });
}

template <bool json>
Expected<WebResponse> dataSets(history::HistoryStore& store, const WebRequest& request,
                               const SiteContext& site) {
    const WebOptions& options = site.options;
    std::optional<long long> offset = integer(param(request, "offset"), 0);
    if (!offset) {
        return badRequest(options);
    }
    Expected<history::DataSetPage> page = store.dataSets(*offset, WebSite::kPageSize);
    if (!page) {
        return unexpected(std::move(page).error());
    }
    return json ? JsonResponse(DataSetsJson(page->list, page->total, *offset))
                : HtmlResponse(200, DataSetsPage(options.basePath, page->list, page->total, *offset,
                                                 WebSite::kPageSize));
}

template <bool json>
Expected<WebResponse> dataSet(history::HistoryStore& store, const WebRequest& request,
                              const SiteContext& site) {
    const WebOptions& options = site.options;
    std::optional<long long> id = integer(param(request, "id"), -1);
    if (!id || *id < 1) {
        return badRequest(options);
    }
    Expected<std::optional<history::StoredDataSet>> stored = store.dataSet(*id);
    if (!stored) {
        return unexpected(std::move(stored).error());
    }
    if (!*stored) {
        return HtmlResponse(
            404, MessagePage(options.basePath, "見つかりません", "このデータセットはありません。"));
    }
    const history::StoredDataSet& found = **stored;
    return json ? JsonResponse(DataSetJson(found.data, found.summary.unit))
                : HtmlResponse(200, DataSetPage(options.basePath, found));
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
