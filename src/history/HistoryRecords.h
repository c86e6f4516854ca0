#pragma once

#include "base/DateTime.h"
#include "base/TemperatureUnit.h"
#include "data/DataSet.h"

#include <string>

namespace vestra::history {

// What adding a data set did: stored it, brought the stored copy's annotations up to date, or
// found it stored already exactly so.
enum class AddOutcome { New, Updated, Unchanged };

// One line of the list of tags: the readings of the groups that share a tag, an object and a
// unit, across all data sets.
struct TagSummary {
    std::string tag;
    std::string object;
    TemperatureUnit unit = TemperatureUnit::Celsius;
    long long readings = 0;
    DateTime first;
    DateTime last;
};

// The readings asked for: those of every group with this tag, or with this object.
enum class HistoryKey { Tag, Object };
struct HistoryQuery {
    HistoryKey key = HistoryKey::Tag;
    std::string name;
    // Only data sets of this unit; values are never converted.
    TemperatureUnit unit = TemperatureUnit::Celsius;
};

// One stored reading with the group and the data set it came from.
struct HistoryReading {
    std::string sourceFile;
    DateTime clock; // the data set's date-time
    std::string subject;
    std::string label;
    TemperatureUnit unit = TemperatureUnit::Celsius;
    int group = 0;
    std::string tag;
    std::string object;
    std::string measurer;
    float alarmHigh = 0;
    float alarmLow = 0;
    int number = 0;
    DateTime takenAt;
    float value = 0;
    std::string remark;
    AlarmMark alarm = AlarmMark::None;
    long long dataSet = 0; // the data set's key in the database
};

// One line of the list of data sets: what the data set's own row says, and the readings of its
// groups.
struct DataSetSummary {
    long long id = 0;
    DateTime clock;
    std::string label;
    std::string subject;
    TemperatureUnit unit = TemperatureUnit::Celsius;
    std::string sourceFile;
    long long readings = 0;
};

// One page of the list of data sets and the number of data sets in the history.
struct DataSetPage {
    std::vector<DataSetSummary> list;
    long long total = 0;
};

// One data set as it was added: its line of the list and its 15 groups with their readings and
// statistics.
struct StoredDataSet {
    DataSetSummary summary;
    DataSet data;
};

} // namespace vestra::history
