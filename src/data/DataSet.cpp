#include "data/DataSet.h"

#include "data/GroupStatistics.h"

#include <algorithm>

namespace vestra {
namespace {

void clearReadings(DataSet& set) {
    for (GroupSetting& g : set.groups) {
        g.recordTimes.clear();
        g.recordValues.clear();
        g.remarks.clear();
    }
}

void commitGroup(const GroupSetting& from, GroupSetting& to, bool fresh) {
    to.target = fresh ? std::string() : from.target;
    to.measurer = fresh ? std::string() : from.measurer;
    to.tag = from.tag;
    to.emissivity = from.emissivity;
    to.alarmHigh = from.alarmHigh;
    to.alarmLow = from.alarmLow;
    std::size_t n = UsableCount(from);
    to.recordCount = static_cast<std::int16_t>(n);
    to.recordTimes.assign(from.recordTimes.begin(), from.recordTimes.begin() + n);
    to.recordValues.assign(from.recordValues.begin(), from.recordValues.begin() + n);
    to.remarks.assign(n, std::string());
    for (std::size_t k = 0; !fresh && k < n && k < from.remarks.size(); ++k) {
        to.remarks[k] = from.remarks[k];
    }
    GroupStatistics stats = ComputeStatistics(to.recordValues);
    to.maxIndex = stats.maxIndex;
    to.minIndex = stats.minIndex;
    to.average = stats.average;
}

} // namespace

// A count that does not match the sequences (only possible through a faulty reader) is cut to
// what is there, so no reading is ever read out of bounds.
std::size_t UsableCount(const GroupSetting& g) {
    std::size_t n = g.recordCount > 0 ? static_cast<std::size_t>(g.recordCount) : 0;
    return std::min({n, g.recordTimes.size(), g.recordValues.size()});
}

MemoryRecord RecordAt(const GroupSetting& group, int k) {
    auto i = static_cast<std::size_t>(k - 1);
    MemoryRecord r;
    r.no = k;
    r.takenAt = group.recordTimes.at(i);
    r.value = group.recordValues.at(i);
    r.remark = i < group.remarks.size() ? group.remarks[i] : std::string();
    r.alarmMark = AlarmMarkOf(r.value, group);
    return r;
}

void DataStore::commitImport(bool fresh) {
    currentData.subject = fresh ? std::string() : importBuffer.subject;
    currentData.importedAt = importBuffer.importedAt;
    currentData.deviceLabel = importBuffer.deviceLabel;
    currentData.totalCount = importBuffer.totalCount;
    for (int g = 1; g <= kGroupCount; ++g) {
        commitGroup(importBuffer.group(g), currentData.group(g), fresh);
    }
}

void DataStore::clearCurrentReadings() {
    clearReadings(currentData);
}
void DataStore::clearImportReadings() {
    clearReadings(importBuffer);
}

} // namespace vestra
