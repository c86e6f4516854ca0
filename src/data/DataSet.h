#pragma once

#include "base/DateTime.h"
#include "data/AlarmMarks.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vestra {

inline constexpr int kGroupCount = 15;
inline constexpr int kMaxReadings = 150;

// Byte limits in code page 932 of the texts the user types.
inline constexpr std::size_t kSubjectBytes = 40;
inline constexpr std::size_t kTargetBytes = 20;
inline constexpr std::size_t kMeasurerBytes = 20;
inline constexpr std::size_t kRemarkBytes = 36;

// One measurement group: the thermometer's settings for it, the user's annotations, its
// readings as three parallel sequences, and the statistics computed when it is committed.
struct GroupSetting {
    std::string target;
    std::string measurer;
    std::string tag;
    float emissivity = 0;
    float alarmHigh = 0;
    float alarmLow = 0;
    std::int16_t recordCount = 0;
    std::vector<DateTime> recordTimes;
    std::vector<float> recordValues;
    std::vector<std::string> remarks;
    std::int16_t maxIndex = 0; // 1-based, 0 when empty
    std::int16_t minIndex = 0;
    float average = 0;
};

struct DataSet {
    std::string subject;
    DateTime importedAt;
    std::string deviceLabel;
    std::int16_t totalCount = 0;
    std::array<GroupSetting, kGroupCount> groups;

    // Groups are numbered 1 to 15.
    GroupSetting& group(int g) { return groups.at(static_cast<std::size_t>(g - 1)); }
    const GroupSetting& group(int g) const { return groups.at(static_cast<std::size_t>(g - 1)); }
};

// The label and group settings prepared for sending to the thermometer; of each group only
// tag, emissivity and the two alarm limits are used.
struct DeviceSettings {
    std::string label;
    std::array<GroupSetting, kGroupCount> groups;

    GroupSetting& group(int g) { return groups.at(static_cast<std::size_t>(g - 1)); }
    const GroupSetting& group(int g) const { return groups.at(static_cast<std::size_t>(g - 1)); }
};

// The readings of the group that can be read: recordCount, cut to the length of the sequences.
std::size_t UsableCount(const GroupSetting& g);

// One reading seen through the parallel sequences of its group.
struct MemoryRecord {
    int no = 0; // 1-based position within the group
    DateTime takenAt;
    float value = 0;
    std::string remark;
    AlarmMark alarmMark = AlarmMark::None;
};

// The reading at 1-based position k of the group; k must lie in 1 to recordCount.
MemoryRecord RecordAt(const GroupSetting& group, int k);

// The measurement data of one run: the staging set the dump parser and the file reader fill,
// the set the windows show, the settings to send, and the flags that steer Save and Print.
struct DataStore {
    DataSet importBuffer;
    DataSet currentData;
    DeviceSettings deviceSettings;
    bool hasData = false;
    bool modified = false;
    int currentGroup = 0; // 0 while the overview is shown, else 1 to 15

    // Copies importBuffer into currentData and computes each group's statistics. fresh is true
    // after an import from the thermometer, which knows no annotations: they become empty.
    void commitImport(bool fresh);
    void clearCurrentReadings();
    void clearImportReadings();
};

} // namespace vestra
