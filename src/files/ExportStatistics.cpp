#include "files/ExportStatistics.h"

namespace vestra {
namespace {

MemoryRecord recordOrFirst(const GroupSetting& group, int index) {
    bool valid = index >= 1 && static_cast<std::size_t>(index) <= UsableCount(group);
    return RecordAt(group, valid ? index : 1);
}

} // namespace

MemoryRecord MaximumRecord(const GroupSetting& group) {
    return recordOrFirst(group, group.maxIndex);
}

MemoryRecord MinimumRecord(const GroupSetting& group) {
    return recordOrFirst(group, group.minIndex);
}

} // namespace vestra
