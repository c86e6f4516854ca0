#include "devicesettings/SettingsLine.h"

#include "base/NumberFormat.h"
#include "devicesettings/FieldText.h"

namespace vestra {

std::string FormatSettingsFields(int group, const GroupSetting& row) {
    return FormatNumber(static_cast<float>(group), "0#") + ' ' + TrimBlanks(row.tag) + ' ' +
           FormatNumber(row.emissivity, "#0.00") + ' ' + FormatNumber(row.alarmHigh, "###0") + ' ' +
           FormatNumber(row.alarmLow, "###0");
}

} // namespace vestra
