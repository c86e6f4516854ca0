#include "device/ReadingProgress.h"

namespace vestra {

std::string ReadingProgressText(const DataSet& importBuffer) {
    std::size_t received = 0;
    for (const GroupSetting& group : importBuffer.groups) {
        received += group.recordValues.size();
    }
    return std::to_string(received) + "/" + std::to_string(kMaxReadings) + "件";
}

} // namespace vestra
