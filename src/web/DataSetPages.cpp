#include "base/TemperatureUnit.h"
#include "data/ValueFormat.h"
#include "files/ExportStatistics.h"
#include "web/HtmlText.h"
#include "web/WebPages.h"

namespace vestra::web {
namespace {

std::string cell(const std::string& html) {
    return "<td>" + html + "</td>";
}

std::string numberCell(const std::string& text) {
    return "<td class=\"number\">" + text + "</td>";
}

std::string pageLink(const std::string& base, long long offset, std::string_view label) {
    return "<a href=\"" + Html(base) + "/data-sets?offset=" + std::to_string(offset) + "\">" +
           std::string(label) + "</a>";
}

// The statistics the exports write: maximum and minimum with their time, and the average.
std::string statisticsCells(const GroupSetting& g) {
    if (UsableCount(g) == 0) {
        return "<td></td><td></td><td></td>";
    }
    MemoryRecord max = MaximumRecord(g);
    MemoryRecord min = MinimumRecord(g);
    return numberCell(FormatTemperature(max.value, false) + " (" + FormatTimestamp(max.takenAt) +
                      ")") +
           numberCell(FormatTemperature(min.value, false) + " (" + FormatTimestamp(min.takenAt) +
                      ")") +
           numberCell(FormatTemperature(g.average, false));
}

} // namespace

std::string DataSetsPage(const std::string& base, const std::vector<history::DataSetSummary>& list,
                         long long total, long long offset, long long pageSize) {
    std::string body =
        "<p>" + std::to_string(total) +
        " 件</p>\n<table>\n<tr><th>日時</th>"
        "<th>本体ﾗﾍﾞﾙ</th><th>件名</th><th>ﾌｧｲﾙ</th><th>単位</th><th>件数</th></tr>\n";
    for (const history::DataSetSummary& d : list) {
        body += "<tr><td><a href=\"" + Html(base) + "/data-set?id=" + std::to_string(d.id) + "\">" +
                FormatTimestamp(d.clock) + "</a></td>" + cell(Html(d.label)) +
                cell(Html(d.subject)) + cell(Html(d.sourceFile)) + cell(Html(UnitText(d.unit))) +
                numberCell(std::to_string(d.readings)) + "</tr>\n";
    }
    body += "</table>\n<p>";
    if (offset > 0) {
        body += pageLink(base, std::max(0LL, offset - pageSize), "前へ") + " ";
    }
    if (offset + pageSize < total) {
        body += pageLink(base, offset + pageSize, "次へ");
    }
    return PageFrame(base, "データセット", body + "</p>\n");
}

std::string DataSetPage(const std::string& base, const history::StoredDataSet& stored) {
    const history::DataSetSummary& d = stored.summary;
    std::string unit = Html(UnitText(d.unit));
    std::string body =
        "<table>\n<tr><th>日時</th>" + cell(FormatTimestamp(d.clock)) +
        "</tr>\n<tr><th>本体ﾗﾍﾞﾙ</th>" + cell(Html(d.label)) + "</tr>\n<tr><th>件名</th>" +
        cell(Html(d.subject)) + "</tr>\n<tr><th>ﾌｧｲﾙ</th>" + cell(Html(d.sourceFile)) +
        "</tr>\n<tr><th>件数</th>" + cell(std::to_string(d.readings)) +
        "</tr>\n</table>\n<p><a href=\"" + Html(base) + "/api/data-set?id=" + std::to_string(d.id) +
        "\">JSON</a></p>\n<table>\n<tr><th>ｸﾞﾙｰﾌﾟNo.</th><th>ﾀｸﾞ</th><th>対象物</th>"
        "<th>測定者</th><th>放射率</th><th>上限値</th><th>下限値</th><th>件数</th>"
        "<th>最大値(" +
        unit + ")</th><th>最小値(" + unit + ")</th><th>平均値(" + unit + ")</th></tr>\n";
    for (int n = 1; n <= kGroupCount; ++n) {
        const GroupSetting& g = stored.data.group(n);
        body += "<tr>" + numberCell(std::to_string(n)) + cell(Html(g.tag)) + cell(Html(g.target)) +
                cell(Html(g.measurer)) + numberCell(FormatEmissivity(g.emissivity, false)) +
                numberCell(FormatTemperature(g.alarmHigh, false)) +
                numberCell(FormatTemperature(g.alarmLow, false)) +
                numberCell(std::to_string(UsableCount(g))) + statisticsCells(g) + "</tr>\n";
    }
    return PageFrame(base, "データセット " + FormatTimestamp(d.clock), body + "</table>\n");
}

} // namespace vestra::web
