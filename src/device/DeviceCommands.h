#pragma once

#include "base/DateTime.h"
#include "data/DataSet.h"
#include "device/CommSession.h"

#include <string>

namespace vestra {

// The command lines that write to the thermometer, without the CR LF.
// "TIM yyyy/mm/dd hh:mm:ss".
std::string TimCommand(const DateTime& clock);
// "LBL label", the label trimmed.
std::string LblCommand(const std::string& label);
// "SET 03 TAG 0.95 500 -40": group as two digits, tag trimmed, emissivity with two decimals,
// the limits as whole numbers in the current unit, without unit letter.
std::string SetCommand(int group, const GroupSetting& setting);

// The writing operations of a connection. Each ends at the first reply other than "OK";
// success is LastResult == ResultOk.
void SendClock(CommSession& session, const DateTime& clockToSet);
void SendClear(CommSession& session);
// The factory reset; it also clears the thermometer's memory.
void SendReset(CommSession& session);
// The label, then the 15 groups in order, one progress step per accepted group.
void UploadSettings(CommSession& session, const DeviceSettings& settings);

} // namespace vestra
