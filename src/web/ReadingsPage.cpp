#include "base/JsonText.h"
#include "base/TemperatureUnit.h"
#include "data/ValueFormat.h"
#include "web/HtmlText.h"
#include "web/WebPages.h"

namespace vestra::web {
namespace {

std::string keyName(history::HistoryKey key) {
    return key == history::HistoryKey::Tag ? "tag" : "object";
}

std::string numberCell(float x) {
    return "<td class=\"number\">" + FormatTemperature(x, false) + "</td>";
}

// The columns of the history window, then the data set the reading came from.
std::string tableHtml(const std::string& base, TemperatureUnit unit,
                      const std::vector<history::HistoryReading>& readings) {
    std::string html =
        "<table>\n<tr><th>収録日時</th><th>データ(" + UnitText(unit) +
        ")</th><th>警報</th><th>上限値</th><th>下限値</th><th>ﾀｸﾞ</th>"
        "<th>対象物</th><th>測定者</th><th>備考</th><th>ﾌｧｲﾙ</th><th>日時</th></tr>\n";
    for (const history::HistoryReading& r : readings) {
        html += "<tr><td>" + FormatTimestamp(r.takenAt) + "</td>" + numberCell(r.value) +
                AlarmCell(r.alarm) + numberCell(r.alarmHigh) + numberCell(r.alarmLow) + "<td>" +
                Html(r.tag) + "</td><td>" + Html(r.object) + "</td><td>" + Html(r.measurer) +
                "</td><td>" + Html(r.remark) + "</td><td>" + Html(r.sourceFile) +
                "</td><td><a href=\"" + Html(base) + "/data-set?id=" + std::to_string(r.dataSet) +
                "\">" + FormatTimestamp(r.clock) + "</a></td></tr>\n";
    }
    return html + "</table>\n";
}

} // namespace

std::string ReadingsQuery(const ReadingsView& view) {
    return "key=" + keyName(view.key) + "&name=" + UrlQueryValue(view.name) +
           "&unit=" + UnitLetter(view.unit);
}

std::string ReadingsPage(const std::string& base, const ReadingsView& view,
                         const std::vector<history::HistoryReading>& readings) {
    std::string query = ReadingsQuery(view);
    std::string title = (view.key == history::HistoryKey::Tag ? "ﾀｸﾞ " : "対象物 ") + view.name +
                        " (" + UnitText(view.unit) + ")";
    std::string body = "<p><img class=\"chart\" width=\"800\" height=\"400\" alt=\"傾向\" src=\"" +
                       Html(base + "/chart.svg?" + query) + "\"></p>\n<p>" +
                       std::to_string(readings.size()) + " 件 <a href=\"" +
                       Html(base + "/readings.csv?" + query) + "\">CSV出力</a> <a href=\"" +
                       Html(base + "/api/readings?" + query) + "\">JSON</a></p>\n";
    return PageFrame(base, title, body + tableHtml(base, view.unit, readings));
}

} // namespace vestra::web
