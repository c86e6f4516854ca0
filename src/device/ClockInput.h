#pragma once

#include "base/DateTime.h"
#include "base/MessageSink.h"

#include <array>
#include <optional>
#include <string>

namespace vestra {

// The six boxes of the clock dialog: year, month, day, hour, minute, second.
using ClockBoxes = std::array<std::string, 6>;

// The boxes as the program fills them: plain decimal numbers without leading zeros.
ClockBoxes ClockBoxesOf(const DateTime& t);

// The date-time the boxes denote. The year must be four digits from 1980 to 2079, the rest must
// form an existing date and time of day. Otherwise the input error is shown and nothing is
// returned.
std::optional<DateTime> ReadClockBoxes(const ClockBoxes& boxes, MessageSink& messages);

} // namespace vestra
