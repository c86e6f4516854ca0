#pragma once

#include "base/TemperatureUnit.h"
#include "data/DataSet.h"

#include <string>

namespace vestra::history {

// What the key covers: the native file's bytes of what the thermometer recorded (label, clock,
// unit, group settings and every reading) with the user's annotations blanked, so that an
// annotated copy of a data set is recognised as the same data set.
std::string ContentBytes(const DataSet& data, TemperatureUnit unit);

// The key of a data set in the history: SHA-256 of ContentBytes as 64 hex digits. A shared
// database trusts it to tell data sets apart even when one was made to match another, which
// takes a collision-resistant function.
std::string ContentHash(const DataSet& data, TemperatureUnit unit);

} // namespace vestra::history
