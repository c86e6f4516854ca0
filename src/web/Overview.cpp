#include "web/Overview.h"

#include "history/SqlText.h"

#include <algorithm>
#include <array>
#include <map>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <tuple>

namespace vestra::web {
namespace {

// As many points as the small trend of a line has room for.
constexpr std::size_t kTrendPoints = 20;
// The newest groups of a line the overview reads: enough for the small trend, and for the data
// set before the newest one.
constexpr int kGroupsPerLine = 8;

constexpr std::array<std::pair<std::string_view, OverviewOrder>, 6> kOrders{{
    {"tag", OverviewOrder::Tag},
    {"object", OverviewOrder::Object},
    {"time", OverviewOrder::Time},
    {"value", OverviewOrder::Value},
    {"rise", OverviewOrder::Rise},
    {"readings", OverviewOrder::Readings},
}};

bool before(const OverviewRow& a, const OverviewRow& b, OverviewOrder order) {
    switch (order) {
    case OverviewOrder::Tag:
        return a.summary.tag < b.summary.tag;
    case OverviewOrder::Object:
        return a.summary.object < b.summary.object;
    case OverviewOrder::Time:
        // The stored form of a date-time sorts as time does.
        return history::SqlTime(a.newest.takenAt) > history::SqlTime(b.newest.takenAt);
    case OverviewOrder::Value:
        return a.newest.value > b.newest.value;
    case OverviewOrder::Rise:
        return a.rise.value_or(0) > b.rise.value_or(0);
    case OverviewOrder::Readings:
        return a.summary.readings > b.summary.readings;
    }
    return false;
}

} // namespace

OverviewRow OverviewRowOf(const history::TagSummary& summary,
                          const std::vector<history::HistoryReading>& readings) {
    OverviewRow row{summary, readings.back(), std::nullopt, {}};
    for (auto r = readings.rbegin(); r != readings.rend(); ++r) {
        if (r->dataSet != row.newest.dataSet) {
            row.rise = row.newest.value - r->value;
            break;
        }
    }
    std::size_t first = readings.size() > kTrendPoints ? readings.size() - kTrendPoints : 0;
    for (std::size_t i = first; i < readings.size(); ++i) {
        row.trend.push_back(readings[i].value);
    }
    return row;
}

Expected<std::vector<OverviewRow>> ReadOverview(history::HistoryStore& store) {
    Expected<std::vector<history::TagSummary>> tags = store.tags();
    if (!tags) {
        return unexpected(std::move(tags).error());
    }
    Expected<std::vector<history::HistoryReading>> readings = store.newestReadings(kGroupsPerLine);
    if (!readings) {
        return unexpected(std::move(readings).error());
    }
    std::map<std::tuple<std::string, std::string, TemperatureUnit>,
             std::vector<history::HistoryReading>>
        lines;
    for (history::HistoryReading& r : *readings) {
        lines[{r.tag, r.object, r.unit}].push_back(std::move(r));
    }
    std::vector<OverviewRow> rows;
    for (const history::TagSummary& t : *tags) {
        auto line = lines.find({t.tag, t.object, t.unit});
        if (line != lines.end()) {
            rows.push_back(OverviewRowOf(t, line->second));
        }
    }
    return rows;
}

Expected<std::vector<OverviewRow>> OverviewCache::rows(history::HistoryStore& store,
                                                       const std::string& revision) {
    std::unique_lock lock(mutex_);
    auto now = std::chrono::steady_clock::now();
    bool current = revision_ == revision;
    if (current && (now - readAt_ <= freshFor_ || refreshing_)) {
        return rows_;
    }
    Expected<std::vector<OverviewRow>> fresh = unexpected(Error{});
    if (current) {
        // Only old: the others go on with these lines while this request reads them again,
        // instead of all waiting a second or more every freshFor.
        refreshing_ = true;
        lock.unlock();
        fresh = ReadOverview(store);
        lock.lock();
        refreshing_ = false;
    } else {
        // A data set was added: the others wait for the new lines rather than show the old.
        fresh = ReadOverview(store);
    }
#ifdef __GLIBC__
    // The read held every newest reading as text for a moment (some hundred megabytes for two
    // thousand lines); the C library keeps freed memory of a worker's arena for that worker
    // unless told to give it back.
    malloc_trim(0);
#endif
    if (!fresh) {
        return fresh;
    }
    rows_ = std::move(*fresh);
    revision_ = revision;
    readAt_ = now;
    return rows_;
}

bool IsNotable(const OverviewRow& row, float rise) {
    return row.newest.alarm != AlarmMark::None || (row.rise && *row.rise > rise);
}

std::optional<OverviewOrder> OverviewOrderOf(std::string_view name) {
    for (auto [text, order] : kOrders) {
        if (text == name) {
            return order;
        }
    }
    return std::nullopt;
}

std::string_view OverviewOrderName(OverviewOrder order) {
    for (auto [text, o] : kOrders) {
        if (o == order) {
            return text;
        }
    }
    return "tag";
}

void RankOverview(std::vector<OverviewRow>& rows, OverviewOrder order, float rise,
                  std::string_view text) {
    std::erase_if(rows, [text](const OverviewRow& row) {
        return row.summary.tag.find(text) == std::string::npos &&
               row.summary.object.find(text) == std::string::npos;
    });
    std::stable_sort(rows.begin(), rows.end(),
                     [order, rise](const OverviewRow& a, const OverviewRow& b) {
                         bool notableA = IsNotable(a, rise);
                         bool notableB = IsNotable(b, rise);
                         if (notableA != notableB) {
                             return notableA;
                         }
                         return before(a, b, order);
                     });
}

} // namespace vestra::web
