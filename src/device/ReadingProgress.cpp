#include "device/ReadingProgress.h"

namespace vestra {

ReceivedReadings ReceivedSoFar(const DataSet& importBuffer) {
    ReceivedReadings so;
    for (int g = 1; g <= kGroupCount; ++g) {
        const GroupSetting& group = importBuffer.group(g);
        so.readings += group.recordValues.size();
        // A group's emissivity arrives right after its number: it has begun.
        if (group.emissivity > 0) {
            so.group = g;
        }
    }
    return so;
}

ReceivedReadings ReceivedWhole(const DataSet& importBuffer, bool dumpComplete) {
    ReceivedReadings so = ReceivedSoFar(importBuffer);
    if (!dumpComplete && so.group > 0) {
        so.readings -= importBuffer.group(so.group).recordValues.size();
    }
    return so;
}

std::string ReadingProgressText(const DataSet& importBuffer) {
    ReceivedReadings so = ReceivedSoFar(importBuffer);
    return std::to_string(so.readings) + "件 (ｸﾞﾙｰﾌﾟ " + std::to_string(so.group) + "/" +
           std::to_string(kGroupCount) + ")";
}

} // namespace vestra
