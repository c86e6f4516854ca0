#pragma once

#include "history/HistoryStore.h"

#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vestra::web {

// One line of the overview: a tag, object and unit with its newest reading and how it moved
// since the data set before the newest one.
struct OverviewRow {
    history::TagSummary summary;
    history::HistoryReading newest;
    std::optional<float> rise; // newest minus the previous data set's last reading
    std::vector<float> trend;  // the last readings, oldest first
};

// The line of the summary from its readings (oldest first, those of this object only); the
// readings must not be empty.
OverviewRow OverviewRowOf(const history::TagSummary& summary,
                          const std::vector<history::HistoryReading>& readings);

// Every tag, object and unit of the history as a line: one query for the list and one for the
// readings of each line's newest groups.
Expected<std::vector<OverviewRow>> ReadOverview(history::HistoryStore& store);

// The overview's lines kept between requests, shared by the workers: read again when a data set
// was added (the history's revision changed) or once they are older than freshFor, so that an
// annotation changed in place (a renamed object) shows within that time. While one request
// reads them, the others wait for its result instead of reading them too; only when the lines
// are merely old do the others get the old ones meanwhile.
class OverviewCache {
public:
    explicit OverviewCache(std::chrono::seconds freshFor = std::chrono::seconds(30))
        : freshFor_(freshFor) {}
    // The lines at the history's revision (HistoryStore::revision), read again when it is not
    // the one they were read at.
    Expected<std::vector<OverviewRow>> rows(history::HistoryStore& store,
                                            const std::string& revision);

private:
    std::mutex mutex_;
    std::chrono::seconds freshFor_;
    std::optional<std::string> revision_; // none until read
    std::chrono::steady_clock::time_point readAt_;
    bool refreshing_ = false;
    std::vector<OverviewRow> rows_;
};

// In alarm, or risen by more than rise degrees: what a supervisor looks at first.
bool IsNotable(const OverviewRow& row, float rise);

// The columns the overview is sorted by.
enum class OverviewOrder { Tag, Object, Time, Value, Rise, Readings };
std::optional<OverviewOrder> OverviewOrderOf(std::string_view name);
std::string_view OverviewOrderName(OverviewOrder order);

// Keeps the lines whose tag or object holds text (all for an empty text), notable lines first,
// each part in the order (newest time, highest value, largest rise and most readings first;
// tag and object alphabetical).
void RankOverview(std::vector<OverviewRow>& rows, OverviewOrder order, float rise,
                  std::string_view text);

} // namespace vestra::web
