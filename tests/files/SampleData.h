#pragma once

#include "data/DataSet.h"

#include <string>
#include <vector>

namespace vestra::testing {

struct Reading {
    DateTime takenAt;
    float value;
    std::string remark;
};

inline void SetReadings(GroupSetting& g, const std::vector<Reading>& readings) {
    g.recordCount = static_cast<std::int16_t>(readings.size());
    g.recordTimes.clear();
    g.recordValues.clear();
    g.remarks.clear();
    for (const Reading& r : readings) {
        g.recordTimes.push_back(r.takenAt);
        g.recordValues.push_back(r.value);
        g.remarks.push_back(r.remark);
    }
}

inline void SetLimits(GroupSetting& g, float emissivity, float high, float low) {
    g.emissivity = emissivity;
    g.alarmHigh = high;
    g.alarmLow = low;
}

// The data set behind tests/files/expected/small.*: two groups with readings (one above, one
// below and one on a limit), a subject with a quote and a comma, thirteen empty groups.
inline DataSet SmallDataSet() {
    DataSet d;
    d.subject = "配管\"A\",B";
    d.importedAt = {2008, 3, 1, 9, 5, 59};
    d.deviceLabel = "VESTRA01";
    d.totalCount = 4;
    for (int g = 1; g <= kGroupCount; ++g) {
        SetLimits(d.group(g), 0.95f, 500.0f, -40.0f);
        d.group(g).tag = "G" + std::to_string(g);
    }
    GroupSetting& g1 = d.group(1);
    g1.target = "ボイラー";
    g1.measurer = "山田";
    g1.tag = "BOILER";
    SetLimits(g1, 0.95f, 100.0f, 20.0f);
    SetReadings(g1, {{{2008, 3, 1, 9, 0, 59}, 22.35f, "入口"},
                     {{2008, 3, 1, 9, 10, 0}, 120.0f, ""},
                     {{2008, 3, 1, 9, 20, 0}, 15.5f, "  出口"}});
    GroupSetting& g2 = d.group(2);
    g2.target = "ﾀﾞｸﾄ";
    g2.tag = "DUCT";
    SetLimits(g2, 1.0f, 30.0f, 20.0f);
    SetReadings(g2, {{{2008, 3, 2, 10, 0, 0}, 20.0f, ""}});
    return d;
}

// A full memory: 150 readings spread unevenly over the groups, every annotation at its byte
// limit in full-width characters, and texts with leading blanks.
inline DataSet FullDataSet() {
    DataSet d;
    d.subject = "  測定件名測定件名測定件名測定件名測定件"; // 2 + 38 bytes
    d.importedAt = {2079, 12, 31, 23, 59, 58};
    d.deviceLabel = "ABCDEFGHIJ";
    d.totalCount = kMaxReadings;
    const int counts[kGroupCount] = {1, 0, 30, 2, 0, 17, 10, 10, 10, 20, 5, 5, 15, 0, 25};
    for (int g = 1; g <= kGroupCount; ++g) {
        GroupSetting& group = d.group(g);
        group.target = "対象物対象物対象物対";   // 20 bytes
        group.measurer = " ｿｸﾃｲｼｬ測定者測定者ｱ"; // 1 + 6 + 12 + 1 bytes
        group.tag = "TAG" + std::to_string(g);
        SetLimits(group, 0.3f + 0.1f * static_cast<float>(g), 400.0f + g, -40.0f + g);
        std::vector<Reading> readings;
        for (int k = 1; k <= counts[g - 1]; ++k) {
            DateTime t{1980 + g, 1 + k % 12, 1 + k % 28, k % 24, (7 * k) % 60, (13 * k) % 60};
            std::string remark =
                k % 3 == 0 ? "備考備考備考備考備考備考備考備考備考" : " r" + std::to_string(k);
            readings.push_back({t, -50.0f + 3.7f * static_cast<float>(k), remark});
        }
        SetReadings(group, readings);
    }
    return d;
}

} // namespace vestra::testing
