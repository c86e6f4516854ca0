#include "devicesettings/SettingDefaults.h"

#include "shell/Common.h"
#include "shell/NumberFormat.h"

namespace vestra {

std::string DefaultTag(int group) {
    return "GROUP" + FormatNumber(static_cast<float>(group), "0#");
}

float DefaultAlarmHigh(std::string_view unit) {
    return IsCelsius(unit) ? 500.0f : 932.0f;
}

} // namespace vestra
