#include "base/AtomicFile.h"
#include "base/TemperatureUnit.h"
#include "files/DataFile.h"
#include "files/DataFileRecord.h"
#include "files/FileErrors.h"

#include <utility>

namespace vestra {
namespace {

DataFileRecord record(int group, int number, float value, double time, std::string text) {
    return {static_cast<std::int16_t>(group), static_cast<std::int16_t>(number), value, time,
            std::move(text)};
}

// Only readings that really exist are written, so the count in the group record always
// matches the reading records that follow.
int writableCount(const GroupSetting& g) {
    return static_cast<int>(UsableCount(g));
}

void appendGroupRecords(std::string& out, int g, const GroupSetting& group) {
    out +=
        EncodeRecord(record(g, writableCount(group), group.emissivity, 0, TextField(group.target)));
    out += EncodeRecord(record(g, 0, group.alarmHigh, 0, TextField(group.measurer)));
    out += EncodeRecord(record(g, 0, group.alarmLow, 0, TextField(group.tag)));
}

void appendReadingRecords(std::string& out, int g, const GroupSetting& group) {
    for (int k = 1; k <= writableCount(group); ++k) {
        MemoryRecord r = RecordAt(group, k);
        out += EncodeRecord(record(g, k, r.value, ToOleDate(r.takenAt), TextField(r.remark)));
    }
}

} // namespace

std::string EncodeDataFile(const DataSet& data, TemperatureUnit unit) {
    std::string out;
    out += EncodeRecord(record(0, unit == TemperatureUnit::Celsius ? 0 : 1, 0, 0, TextField("")));
    out += EncodeRecord(record(kGroupCount, kFileCapacity, 0, 0, TextField(data.deviceLabel)));
    out += EncodeRecord(
        record(0, data.totalCount, 0, ToOleDate(data.importedAt), TextField(data.subject)));
    for (int g = 1; g <= kGroupCount; ++g) {
        appendGroupRecords(out, g, data.group(g));
    }
    for (int g = 1; g <= kGroupCount; ++g) {
        appendReadingRecords(out, g, data.group(g));
    }
    return out;
}

bool SaveDataFile(const std::string& path, DataStore& store, TemperatureUnit unit,
                  MessageSink& messages) {
    Expected<void> written = WriteFileAtomically(path, EncodeDataFile(store.currentData, unit));
    if (!written) {
        ShowSaveError(messages, path, written.error().text);
        return false;
    }
    store.modified = false;
    return true;
}

} // namespace vestra
