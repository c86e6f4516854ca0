#pragma once

#include "data/DataSet.h"

#include <string>
#include <vector>

namespace vestra::testing {

struct SampleReading {
    DateTime at;
    float value;
    std::string remark;
};

// Every group gets settings and annotations of its own; readings only where given. The data
// set goes through commitImport, so the statistics are the program's own.
inline DataStore SampleStore(const std::vector<std::vector<SampleReading>>& readingsByGroup) {
    DataStore store;
    DataSet& in = store.importBuffer;
    in.subject = "ライン点検";
    in.importedAt = {2008, 3, 1, 9, 15, 30};
    in.deviceLabel = "VESTRA01";
    int total = 0;
    for (int n = 1; n <= kGroupCount; ++n) {
        GroupSetting& g = in.group(n);
        g.target = "炉壁" + std::to_string(n);
        g.measurer = "山田";
        g.tag = "TAG" + std::to_string(n);
        g.emissivity = 0.95f;
        g.alarmHigh = 30.0f;
        g.alarmLow = 10.0f;
        if (static_cast<std::size_t>(n) <= readingsByGroup.size()) {
            for (const SampleReading& r : readingsByGroup[static_cast<std::size_t>(n - 1)]) {
                g.recordTimes.push_back(r.at);
                g.recordValues.push_back(r.value);
                g.remarks.push_back(r.remark);
            }
        }
        g.recordCount = static_cast<std::int16_t>(g.recordValues.size());
        total += g.recordCount;
    }
    in.totalCount = static_cast<std::int16_t>(total);
    store.commitImport(false);
    store.hasData = true;
    return store;
}

inline DateTime SampleTime(int minute) {
    return {2008, 3, 1, 9 + minute / 60, minute % 60, 0};
}

// 150 readings, ten in each group, some above, some below, some on the alarm limits.
inline DataStore FullSampleStore() {
    std::vector<std::vector<SampleReading>> groups(kGroupCount);
    for (int n = 0; n < kGroupCount; ++n) {
        for (int k = 0; k < 10; ++k) {
            float value = 5.0f + static_cast<float>(n) + static_cast<float>(k) * 2.5f;
            std::string remark = k % 3 == 0 ? "点検" + std::to_string(k) : "";
            groups[static_cast<std::size_t>(n)].push_back({SampleTime(n * 10 + k), value, remark});
        }
    }
    return SampleStore(groups);
}

} // namespace vestra::testing
