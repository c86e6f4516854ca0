#pragma once

#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "data/TableView.h"

#include <string>
#include <string_view>

namespace vestra {

// Everything the overview panel shows of a data set.
struct SummaryView {
    std::string subject;     // the subject box; a placeholder while there is no data
    std::string deviceLabel; // "ラベル"
    std::string importedAt;  // "日時", to the second
    bool editable = false;   // the subject may be edited only once there is data
    TableView table;         // one row per group
    std::string memoryStatus;
};

// Everything the group panel shows of one group.
struct GroupView {
    std::string caption; // "グループ" and the number in full-width digits
    std::string tag;
    std::string emissivity;
    std::string alarmHigh;
    std::string alarmLow;
    std::string count;
    std::string maximum;
    std::string minimum;
    std::string average;
    std::string target;    // placeholder while the group has no readings
    std::string measurer;  // placeholder while the group has no readings
    bool editable = false; // target, measurer and remarks
    TableView table;       // one row per reading, never fewer than 15
    std::string memoryStatus;
};

// Placeholders of the panels. They are shown instead of data, never stored as data.
inline constexpr std::string_view kNoSubject = "件名なし";
inline constexpr std::string_view kNoTarget = "対象物なし";
inline constexpr std::string_view kNoMeasurer = "測定者なし";
inline constexpr std::string_view kNone = "なし";

SummaryView ShowSummary(const DataSet& data, bool hasData, TemperatureUnit unit);
// g in 1 to 15.
GroupView ShowGroup(const DataSet& data, bool hasData, int g, TemperatureUnit unit);

// Text of the tree node of group g: "ｸﾞﾙｰﾌﾟ" and the number in half-width digits.
std::string GroupNodeText(int g);
// Caption of the group panel: "グループ" and the number in full-width digits.
std::string GroupCaption(int g);

} // namespace vestra
