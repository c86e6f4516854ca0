#include "base/FileFault.h"
#include "base/FileRead.h"
#include "base/TemperatureUnit.h"
#include "base/TextCodec.h"
#include "data/ValueChecks.h"
#include "files/DataFile.h"
#include "files/DataFileRecord.h"
#include "files/FileErrors.h"

namespace vestra {
namespace {

// Record access by number, failing when the file ends before the record.
class Records {
public:
    explicit Records(std::string_view bytes) : bytes_(bytes) {}

    bool read(int n, DataFileRecord& out) const {
        std::size_t offset = kRecordSize * static_cast<std::size_t>(n - 1);
        if (n < 1 || offset + kRecordSize > bytes_.size()) {
            return false;
        }
        out = DecodeRecord(bytes_.substr(offset, kRecordSize));
        return true;
    }

private:
    std::string_view bytes_;
};

// Text with trailing blanks dropped, accepted when it fits maxBytes in code page 932.
bool readText(const DataFileRecord& r, std::size_t maxBytes, std::string& out) {
    std::string_view bytes = TrimRightBytes(r.recText);
    if (bytes.size() > maxBytes) {
        return false;
    }
    out = FromCp932(bytes);
    return true;
}

bool readTime(const DataFileRecord& r, DateTime& out) {
    std::optional<DateTime> t = FromOleDate(r.recTime);
    if (!t || !IsValidYear(t->year)) {
        return false;
    }
    out = *t;
    return true;
}

bool readHeader(const Records& file, TemperatureUnit unit, DataSet& data) {
    DataFileRecord r;
    if (!file.read(1, r) || r.recGroup != 0 ||
        r.recNumber != (unit == TemperatureUnit::Celsius ? 0 : 1)) {
        return false;
    }
    if (!file.read(2, r) || r.recGroup != kGroupCount || r.recNumber != kFileCapacity) {
        return false;
    }
    data.deviceLabel = FromCp932(TrimBytes(r.recText));
    if (!IsValidLabel(data.deviceLabel)) {
        return false;
    }
    if (!file.read(3, r) || r.recNumber > kMaxReadings) {
        return false;
    }
    data.totalCount = r.recNumber;
    return readTime(r, data.importedAt) && readText(r, kSubjectBytes, data.subject);
}

// The three records of group g; countSum runs over the groups and may never pass the header's
// total.
bool readGroupSettings(const Records& file, int g, TemperatureUnit unit, int& countSum,
                       DataSet& data) {
    GroupSetting& group = data.group(g);
    int first = kFirstGroupRecord + 3 * (g - 1);
    DataFileRecord r;
    if (!file.read(first, r) || r.recGroup != g) {
        return false;
    }
    countSum += r.recNumber;
    if (countSum > data.totalCount || r.recNumber < 0) {
        return false;
    }
    group.recordCount = r.recNumber;
    auto n = static_cast<std::size_t>(r.recNumber);
    group.recordTimes.assign(n, DateTime{});
    group.recordValues.assign(n, 0.0f);
    group.remarks.assign(n, std::string());
    group.emissivity = r.recValue;
    if (!IsValidEmissivity(r.recValue) || !readText(r, kTargetBytes, group.target)) {
        return false;
    }
    if (!file.read(first + 1, r) || r.recGroup != g || !IsValidAlarm(r.recValue, unit)) {
        return false;
    }
    group.alarmHigh = r.recValue;
    if (!readText(r, kMeasurerBytes, group.measurer)) {
        return false;
    }
    if (!file.read(first + 2, r) || r.recGroup != g || !IsValidAlarm(r.recValue, unit) ||
        !(r.recValue < group.alarmHigh)) {
        return false;
    }
    group.alarmLow = r.recValue;
    group.tag = FromCp932(TrimBytes(r.recText));
    return IsValidTag(group.tag);
}

bool readReadings(const Records& file, int g, TemperatureUnit unit, int& next,
                  GroupSetting& group) {
    for (int k = 1; k <= group.recordCount; ++k, ++next) {
        auto i = static_cast<std::size_t>(k - 1);
        DataFileRecord r;
        if (!file.read(next, r) || r.recGroup != g || r.recNumber != k ||
            !IsValidReading(r.recValue, unit)) {
            return false;
        }
        group.recordValues[i] = r.recValue;
        if (!readTime(r, group.recordTimes[i]) || !readText(r, kRemarkBytes, group.remarks[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<DataSet> DecodeDataFile(std::string_view bytes, TemperatureUnit unit) {
    Records file(bytes);
    DataSet data;
    if (!readHeader(file, unit, data)) {
        return std::nullopt;
    }
    int countSum = 0;
    for (int g = 1; g <= kGroupCount; ++g) {
        if (!readGroupSettings(file, g, unit, countSum, data)) {
            return std::nullopt;
        }
    }
    int next = kFirstReadingRecord;
    for (int g = 1; g <= kGroupCount; ++g) {
        if (!readReadings(file, g, unit, next, data.group(g))) {
            return std::nullopt;
        }
    }
    return data;
}

std::optional<TemperatureUnit> DataFileUnitOf(const std::string& path) {
    Expected<FileContents> contents = ReadRegularFile(path, kMaxDataFileBytes);
    if (!contents) {
        return std::nullopt;
    }
    return DataBytesUnitOf(contents->bytes);
}

std::optional<TemperatureUnit> DataBytesUnitOf(std::string_view bytes) {
    for (TemperatureUnit unit : kTemperatureUnits) {
        if (DecodeDataFile(bytes, unit)) {
            return unit;
        }
    }
    return std::nullopt;
}

bool LoadDataFile(const std::string& path, DataStore& store, TemperatureUnit unit,
                  MessageSink& messages) {
    Expected<FileContents> contents = ReadRegularFile(path, kMaxDataFileBytes);
    if (!contents) {
        ShowLoadError(messages, path, contents.error().text);
        return false;
    }
    return LoadDataBytes(contents->bytes, path, store, unit, messages);
}

bool LoadDataBytes(std::string_view bytes, const std::string& name, DataStore& store,
                   TemperatureUnit unit, MessageSink& messages) {
    std::optional<DataSet> data = DecodeDataFile(bytes, unit);
    if (!data) {
        ShowLoadError(messages, name, kNotDataFile);
        return false;
    }
    store.importBuffer = std::move(*data);
    return true;
}

} // namespace vestra
