#include "devicesettings/SettingDefaults.h"

#include "base/NumberFormat.h"
#include "base/TemperatureUnit.h"

namespace vestra {

std::string DefaultTag(int group) {
    return "GROUP" + FormatNumber(static_cast<float>(group), "0#");
}

float DefaultAlarmHigh(TemperatureUnit unit) {
    return unit == TemperatureUnit::Celsius ? 500.0f : 932.0f;
}

} // namespace vestra
