#include "base/JsonText.h"
#include "base/TemperatureUnit.h"
#include "data/ValueFormat.h"
#include "web/HtmlText.h"
#include "web/WebPages.h"

#include <algorithm>
#include <charconv>

namespace vestra::web {
namespace {

constexpr double kTrendWidth = 100;
constexpr double kTrendHeight = 20;

std::string decimal(double x) {
    char buffer[32];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 1);
    return error == std::errc() ? std::string(buffer, end) : "0";
}

// The small trend: the last readings as a line scaled to their own range, drawn by the browser
// from the page itself (an SVG element, no script).
std::string trendSvg(const std::vector<float>& values) {
    if (values.size() < 2) {
        return "";
    }
    auto [low, high] = std::minmax_element(values.begin(), values.end());
    double span = *high > *low ? static_cast<double>(*high - *low) : 1.0;
    std::string points;
    for (std::size_t i = 0; i < values.size(); ++i) {
        double x = kTrendWidth * static_cast<double>(i) / static_cast<double>(values.size() - 1);
        double y = kTrendHeight - 1 - (kTrendHeight - 2) * (values[i] - *low) / span;
        points += (i == 0 ? "" : " ") + decimal(x) + "," + decimal(y);
    }
    return "<svg class=\"trend\" width=\"100\" height=\"20\" viewBox=\"0 0 100 20\" "
           "role=\"img\" aria-label=\"傾向\"><polyline points=\"" +
           points + "\"/></svg>";
}

std::string number(float x) {
    return FormatTemperature(x, false);
}

std::string viewQuery(const OverviewView& view, OverviewOrder order, long long offset = 0) {
    return "?sort=" + std::string(OverviewOrderName(order)) + "&rise=" + number(view.rise) +
           "&q=" + UrlQueryValue(view.text) +
           (offset > 0 ? "&offset=" + std::to_string(offset) : "");
}

std::string pageLink(const std::string& base, const OverviewView& view, long long offset,
                     std::string_view label) {
    return "<a href=\"" + Html(base + "/" + viewQuery(view, view.order, offset)) + "\">" +
           std::string(label) + "</a>";
}

std::string headerCell(const std::string& base, const OverviewView& view, std::string_view label,
                       OverviewOrder order) {
    return "<th><a href=\"" + Html(base + "/" + viewQuery(view, order)) + "\">" +
           std::string(label) + "</a></th>";
}

std::string filterForm(const std::string& base, const OverviewView& view) {
    return "<form class=\"filter\" method=\"get\" action=\"" + Html(base) +
           "/\">\n<input type=\"hidden\" name=\"sort\" value=\"" +
           std::string(OverviewOrderName(view.order)) +
           "\">\n<label>絞り込み <input type=\"search\" name=\"q\" value=\"" + Html(view.text) +
           "\"></label>\n<label>上昇 <input type=\"number\" name=\"rise\" step=\"0.1\" value=\"" +
           number(view.rise) + "\"></label>\n<button type=\"submit\">表示</button>\n</form>\n";
}

std::string rowHtml(const std::string& base, const OverviewRow& row, float rise) {
    const history::HistoryReading& r = row.newest;
    std::string unit = UnitLetter(row.summary.unit);
    std::string tagLink = base + "/tag?name=" + UrlQueryValue(row.summary.tag) + "&unit=" + unit;
    std::string objectLink =
        base + "/object?name=" + UrlQueryValue(row.summary.object) + "&unit=" + unit;
    return std::string(IsNotable(row, rise) ? "<tr class=\"notable\">" : "<tr>") +
           "<td><a href=\"" + Html(tagLink) + "\">" + Html(row.summary.tag) +
           "</a></td><td><a href=\"" + Html(objectLink) + "\">" + Html(row.summary.object) +
           "</a></td><td>" + Html(UnitText(row.summary.unit)) + "</td><td class=\"number\">" +
           number(r.value) + "</td>" + AlarmCell(r.alarm) + "<td class=\"number\">" +
           (row.rise ? number(*row.rise) : "") + "</td><td>" + FormatTimestamp(r.takenAt) +
           "</td><td class=\"number\">" + std::to_string(row.summary.readings) + "</td><td>" +
           trendSvg(row.trend) + "</td></tr>\n";
}

} // namespace

std::string OverviewPage(const std::string& base, const std::vector<OverviewRow>& rows,
                         const OverviewView& view, long long pageSize) {
    std::string body = filterForm(base, view);
    body += "<p>" + std::to_string(rows.size()) + " 件 (警報中、または前回から " +
            number(view.rise) + " 度を超えて上昇したものが先頭)</p>\n<table>\n<tr>" +
            headerCell(base, view, "ﾀｸﾞ", OverviewOrder::Tag) +
            headerCell(base, view, "対象物", OverviewOrder::Object) + "<th>単位</th>" +
            headerCell(base, view, "最新データ", OverviewOrder::Value) + "<th>警報</th>" +
            headerCell(base, view, "上昇", OverviewOrder::Rise) +
            headerCell(base, view, "収録日時", OverviewOrder::Time) +
            headerCell(base, view, "件数", OverviewOrder::Readings) + "<th>傾向</th></tr>\n";
    auto total = static_cast<long long>(rows.size());
    for (long long i = view.offset; i < total && i < view.offset + pageSize; ++i) {
        body += rowHtml(base, rows[static_cast<std::size_t>(i)], view.rise);
    }
    body += "</table>\n<p>";
    if (view.offset > 0) {
        body += pageLink(base, view, std::max(0LL, view.offset - pageSize), "前へ") + " ";
    }
    if (view.offset + pageSize < total) {
        body += pageLink(base, view, view.offset + pageSize, "次へ");
    }
    return PageFrame(base, "一覧", body + "</p>\n");
}

} // namespace vestra::web
