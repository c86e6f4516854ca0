#pragma once

#include "base/TemperatureUnit.h"
#include "data/DataSet.h"

#include <string>
#include <string_view>

namespace vestra::history {

// A fingerprint of what the thermometer recorded: label, clock, unit, group settings and every
// reading, but none of the user's annotations, so that an annotated copy of a data set is
// recognised as the same data set. 128 bits of FNV-1a as 32 hex digits: it tells data sets
// apart, it does not guard against forgery.
std::string ContentHash(const DataSet& data, TemperatureUnit unit);

} // namespace vestra::history
