#include "data/DataSet.h"

#include <algorithm>
#include <cmath>

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

AlarmMark AlarmMarkOf(float value, const GroupSetting& group) {
    if (value > group.alarmHigh) {
        return AlarmMark::High;
    }
    if (value < group.alarmLow) {
        return AlarmMark::Low;
    }
    return AlarmMark::None;
}

std::string AlarmMarkText(AlarmMark mark) {
    switch (mark) {
    case AlarmMark::High:
        return "high";
    case AlarmMark::Low:
        return "low ";
    case AlarmMark::None:
        break;
    }
    return "    ";
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

GroupStatistics ComputeStatistics(const std::vector<float>& values) {
    GroupStatistics s;
    if (values.empty()) {
        return s;
    }
    std::size_t maxAt = 0;
    std::size_t minAt = 0;
    float sum = values[0];
    for (std::size_t k = 1; k < values.size(); ++k) {
        if (values[k] > values[maxAt]) {
            maxAt = k;
        } else if (values[k] < values[minAt]) {
            minAt = k;
        }
        sum += values[k];
    }
    s.maxIndex = static_cast<std::int16_t>(maxAt + 1);
    s.minIndex = static_cast<std::int16_t>(minAt + 1);
    // The constant is 0.6 on purpose (a quotient of 22.34375 averages to 22.4): averages must
    // match those of reports users already hold. Do not turn it into 0.5.
    double quotient = static_cast<double>(sum) / static_cast<double>(values.size());
    s.average = static_cast<float>(std::floor(quotient * 10.0 + 0.6) / 10.0);
    return s;
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
