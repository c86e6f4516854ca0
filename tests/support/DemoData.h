#pragma once

#include "data/DataSet.h"

#include <string>
#include <vector>

namespace vestra::testing {

// Stages a thermometer's memory the way a successful import leaves importBuffer: label, clock,
// 15 groups with tags, emissivities and limits, readings in groups 1, 2 and 5.
inline void StageDemoImport(DataSet& in) {
    in = DataSet{};
    in.deviceLabel = "LINE-A";
    in.importedAt = {2008, 3, 1, 9, 5, 7};
    for (int g = 1; g <= kGroupCount; ++g) {
        GroupSetting& group = in.group(g);
        group.tag = "TAG" + std::to_string(g);
        group.emissivity = 0.95f;
        group.alarmHigh = 30.0f;
        group.alarmLow = 10.0f;
    }
    auto fill = [&in](int g, const std::vector<float>& values, DateTime first) {
        GroupSetting& group = in.group(g);
        for (std::size_t k = 0; k < values.size(); ++k) {
            group.recordValues.push_back(values[k]);
            group.recordTimes.push_back(AddSeconds(first, static_cast<long long>(k) * 600));
        }
        group.recordCount = static_cast<std::int16_t>(values.size());
        in.totalCount = static_cast<std::int16_t>(in.totalCount + values.size());
    };
    fill(1, {21.5f, 22.0f, 22.4f}, {2008, 2, 27, 8, 0, 0});
    // On, above and below both limits.
    fill(2, {30.0f, 30.1f, 10.0f, 9.9f, 23.0f, 25.5f, 41.2f, -3.4f}, {2008, 2, 28, 14, 10, 0});
    fill(5, {23.0f}, {2000, 12, 31, 15, 0, 0});
}

} // namespace vestra::testing
