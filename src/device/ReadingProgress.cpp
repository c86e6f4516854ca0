#include "device/ReadingProgress.h"

namespace vestra {

std::string ReadingProgressText(const DataSet& importBuffer) {
    std::size_t received = 0;
    int sending = 0;
    for (int g = 1; g <= kGroupCount; ++g) {
        const GroupSetting& group = importBuffer.group(g);
        received += group.recordValues.size();
        // A group's emissivity arrives right after its number: it has begun.
        if (group.emissivity > 0) {
            sending = g;
        }
    }
    return std::to_string(received) + "件 (ｸﾞﾙｰﾌﾟ " + std::to_string(sending) + "/" +
           std::to_string(kGroupCount) + ")";
}

} // namespace vestra
