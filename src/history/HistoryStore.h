#pragma once

#include "history/HistoryRecords.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vestra::history {

// The inspection history: every data set the program has seen, in one database. Each call is
// complete or has changed nothing; a failure gives false and the reason in words (the database,
// and what it said).
class HistoryStore {
public:
    virtual ~HistoryStore() = default;

    // Stores the data set read or written in unit, found at sourceFile (empty when it has no
    // native file), in one transaction. A data set stored already (the same readings and
    // settings) is stored once: its annotations follow the newer copy, and so does its source
    // file when the newer copy has one.
    virtual bool add(const DataSet& data, std::string_view unit, const std::string& sourceFile,
                     AddOutcome& outcome, std::string& reason) = 0;

    // Every tag with its object and unit, by tag, object and unit.
    virtual bool tags(std::vector<TagSummary>& tags, std::string& reason) = 0;

    // The readings of the query, oldest first.
    virtual bool readings(const HistoryQuery& query, std::vector<HistoryReading>& readings,
                          std::string& reason) = 0;
};

// Opens the history at location: a connection string postgresql://... (or postgres://) for a
// server, else the path of a database file, created with its folder when missing. The tables
// are created or brought up to date; a database of a newer version is refused. Null with the
// reason on failure.
std::unique_ptr<HistoryStore> OpenHistoryStore(const std::string& location, std::string& reason);

bool IsServerLocation(std::string_view location);

} // namespace vestra::history
