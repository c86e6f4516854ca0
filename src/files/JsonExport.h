#pragma once

#include "base/DateTime.h"
#include "base/TemperatureUnit.h"
#include "data/DataSet.h"

#include <string>
#include <string_view>

namespace vestra {

// The documents of docs/json-schema.md for what the thermometer and the data files hold, as
// UTF-8 text ended by LF. Statistics are those the exports write (ExportStatistics).
std::string DataSetJson(const DataSet& data, TemperatureUnit unit);

// The label and the 15 groups' tag, emissivity and alarm limits, as `settings` prints them.
std::string SettingsJson(const DataSet& data, TemperatureUnit unit);

// The thermometer's clock.
std::string ClockJson(const DateTime& clock);

} // namespace vestra
