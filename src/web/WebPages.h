#pragma once

#include "history/HistoryRecords.h"
#include "web/Overview.h"

#include <string>
#include <string_view>
#include <vector>

namespace vestra::web {

// The HTML pages of the web view, in UTF-8. Every text of the history goes through Html();
// every link starts with the base path the server is published under ("" or "/PREFIX"). The
// pages hold no script and no style attribute: a strict Content-Security-Policy holds, and
// their look comes from StyleSheet(), served at its own path.

// What the overview was asked for: its order, the rise that makes a line notable, the filter
// text and the first line of the page.
struct OverviewView {
    OverviewOrder order = OverviewOrder::Tag;
    float rise = 5;
    std::string text;
    long long offset = 0;
};

// The ranked lines from the view's offset, pageSize of them, with links to the pages before
// and after: a plant's two thousand measuring points are a megabyte of HTML on one page.
std::string OverviewPage(const std::string& base, const std::vector<OverviewRow>& rows,
                         const OverviewView& view, long long pageSize);

// A tag's or an object's readings in one unit: the trend chart, links to the CSV and the JSON,
// and the table the history window shows.
struct ReadingsView {
    history::HistoryKey key = history::HistoryKey::Tag;
    std::string name;
    TemperatureUnit unit = TemperatureUnit::Celsius;
};
std::string ReadingsPage(const std::string& base, const ReadingsView& view,
                         const std::vector<history::HistoryReading>& readings);

// The query of a tag's or an object's pages ("key=tag&name=...&unit=C"), encoded for a URL.
std::string ReadingsQuery(const ReadingsView& view);

std::string DataSetsPage(const std::string& base, const std::vector<history::DataSetSummary>& list,
                         long long total, long long offset, long long pageSize);
std::string DataSetPage(const std::string& base, const history::StoredDataSet& stored);

// The form that takes the token; wrong says the last one was not it.
std::string LoginPage(const std::string& base, bool wrong);

// A page of one message: an unknown path, a database that cannot be read.
std::string MessagePage(const std::string& base, std::string_view title, std::string_view text);

// The page's look: alarm colours as the history window shows them, high in red, low in blue.
std::string_view StyleSheet();

// The pages' icon: a browser asks for one, and a page names it so that the question stays
// below the base path.
std::string_view IconSvg();

// The frame of every page: head with the style sheet, the links to the overview and the data
// sets, then the body (HTML already).
std::string PageFrame(const std::string& base, std::string_view title, std::string_view body);

// "<td class=high>high</td>" and the like: the alarm mark in its colour.
std::string AlarmCell(AlarmMark mark);

} // namespace vestra::web
