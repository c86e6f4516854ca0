#pragma once

#include "base/MessageSink.h"
#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "files/DataFileRecord.h"

#include <optional>
#include <string>
#include <string_view>

namespace vestra {

// The bytes of the native data file for the data set; unit decides the unit flag.
std::string EncodeDataFile(const DataSet& data, TemperatureUnit unit);

// The data set held by the bytes, or nothing when any check fails. Only the records the file
// announces are looked at; whatever follows them is ignored.
std::optional<DataSet> DecodeDataFile(std::string_view bytes, TemperatureUnit unit);

// Writes store.currentData to path, replacing an existing file only once the new one is
// complete. On success modified becomes false; on failure "File Save Error !" is shown.
bool SaveDataFile(const std::string& path, DataStore& store, TemperatureUnit unit,
                  MessageSink& messages);

// Reads path into store.importBuffer. A rejected file shows "File Load Error !" and leaves
// both data sets as they were.
bool LoadDataFile(const std::string& path, DataStore& store, TemperatureUnit unit,
                  MessageSink& messages);

// The unit a data file was written for, as its first record says, when the whole file reads as
// a data file of that unit; nothing for a file that cannot be read or is none.
std::optional<TemperatureUnit> DataFileUnitOf(const std::string& path);

// The same for the bytes of a data file.
std::optional<TemperatureUnit> DataBytesUnitOf(std::string_view bytes);

// The same for a data file that arrives as bytes (standard input); name stands for it in the
// message.
bool LoadDataBytes(std::string_view bytes, const std::string& name, DataStore& store,
                   TemperatureUnit unit, MessageSink& messages);

// A file never holds more records than the header, the groups and a full memory; a reader
// needs to look at no more.
inline constexpr std::size_t kMaxDataFileBytes =
    kRecordSize * (kFirstReadingRecord - 1 + kMaxReadings);

} // namespace vestra
