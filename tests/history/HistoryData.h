#pragma once

#include "files/SampleData.h"

#include <string>

namespace vestra::testing {

// One inspection round of a plant: group 2 measures the furnace wall (tag TAG2, object
// 2号炉 炉壁) with three readings; round shifts the date by a month and the values by a
// degree, so that every round is a different data set.
inline DataSet RoundDataSet(int round) {
    DataSet d;
    d.subject = "定期点検";
    d.importedAt = {2026, 1 + round % 12, 10, 8, 0, round % 60};
    d.deviceLabel = "PLANT" + std::to_string(round % 10);
    for (int g = 1; g <= kGroupCount; ++g) {
        SetLimits(d.group(g), 0.95f, 300.0f, 50.0f);
        d.group(g).tag = "T" + std::to_string(g);
    }
    GroupSetting& wall = d.group(2);
    wall.tag = "TAG2";
    wall.target = "2号炉 炉壁";
    wall.measurer = "佐藤";
    DateTime day{2026, 1 + round % 12, 10, 9, 0, 0};
    float base = 250.0f + static_cast<float>(round);
    SetReadings(wall, {{day, base, "北面"},
                       {AddSeconds(day, 60), base + 60.0f, ""},
                       {AddSeconds(day, 120), base - 210.0f, "南面"}});
    GroupSetting& duct = d.group(5);
    duct.target = "ﾀﾞｸﾄ";
    SetReadings(duct, {{AddSeconds(day, 600), 80.5f, ""}});
    d.totalCount = 4;
    return d;
}

// A full memory of one round: ten readings in each group, so that adding it takes the most
// statements a data set can take.
inline DataSet FullRound(int round) {
    DataSet d = RoundDataSet(round);
    d.totalCount = kMaxReadings;
    for (int g = 1; g <= kGroupCount; ++g) {
        std::vector<Reading> readings;
        for (int k = 0; k < kMaxReadings / kGroupCount; ++k) {
            DateTime t = AddSeconds(d.importedAt, 60 * (g * 10 + k));
            readings.push_back({t, 100.0f + static_cast<float>(round % 100 + k), ""});
        }
        SetReadings(d.group(g), readings);
    }
    return d;
}

} // namespace vestra::testing
