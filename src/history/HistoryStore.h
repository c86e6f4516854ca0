#pragma once

#include "base/Expected.h"
#include "base/TemperatureUnit.h"
#include "history/DatabaseName.h"
#include "history/HistoryRecords.h"
#include "history/SqlConnection.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vestra::history {

// The inspection history: every data set the program has seen, in one database. Each call is
// complete or has changed nothing; a failure is the error in words (the database, and what it
// said). No exception leaves the store.
class HistoryStore {
public:
    virtual ~HistoryStore() = default;

    // Stores the data set read or written in unit, found at sourceFile (empty when it has no
    // native file), in one transaction. A data set stored already (the same readings and
    // settings) is stored once: its annotations follow the newer copy, and so does its source
    // file when the newer copy has one.
    virtual Expected<AddOutcome> add(const DataSet& data, TemperatureUnit unit,
                                     const std::string& sourceFile) = 0;

    // Every tag with its object and unit, by tag, object and unit.
    virtual Expected<std::vector<TagSummary>> tags() = 0;

    // The readings of the query, oldest first.
    virtual Expected<std::vector<HistoryReading>> readings(const HistoryQuery& query) = 0;

    // A text that changes whenever a data set is added (their number and the newest key), so
    // that a reader can tell whether what it read before is still the history's.
    virtual Expected<std::string> revision() = 0;

    // The readings of the newest groups (at most groupsPerLine, ranked by their last reading)
    // of every tag, object and unit: by tag, object and unit, each line oldest first. What an
    // overview of the whole history needs without reading all of it.
    virtual Expected<std::vector<HistoryReading>> newestReadings(int groupsPerLine) = 0;

    // At most limit data sets, newest first, after skipping offset of them, and the number of
    // data sets in the history.
    virtual Expected<DataSetPage> dataSets(long long offset, long long limit) = 0;

    // The data set of the key; none when there is no such data set.
    virtual Expected<std::optional<StoredDataSet>> dataSet(long long id) = 0;
};

// Opens the history: a server, or a database file. For writing, a missing file is created
// (with its folder only when the name says so) and the tables are created or brought up to
// date. For reading, nothing is created or written: the file is opened read-only, and a
// database without the history's tables is refused. A database of a newer version is refused
// either way.
Expected<std::unique_ptr<HistoryStore>> OpenHistoryStore(const DatabaseName& name,
                                                         HistoryAccess access);

} // namespace vestra::history
