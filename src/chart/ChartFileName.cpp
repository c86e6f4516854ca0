#include "chart/ChartFileName.h"

#include "files/OutputPlace.h"

#include <filesystem>

namespace vestra::chart {

std::string ChartFileName(const DataSet& data, int group, const std::string& dataFileName) {
    if (group >= 1 && group <= static_cast<int>(kGroupCount)) {
        std::string tag = SuggestedFileName(data.group(group).tag);
        if (!tag.empty()) {
            return tag;
        }
    }
    std::string stem = std::filesystem::path(dataFileName).stem().string();
    if (stem.empty()) {
        stem = "VESTRA";
    }
    return group >= 1 ? stem + "-" + std::to_string(group) : stem;
}

} // namespace vestra::chart
