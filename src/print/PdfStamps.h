#pragma once

#include "base/DateTime.h"

#include <optional>
#include <string>

namespace vestra {

// The date of SOURCE_DATE_EPOCH (seconds since 1970-01-01 UTC, digits only) when text holds
// one; empty otherwise, and for a null text.
std::optional<DateTime> SourceDateEpoch(const char* text);

// The PDF with the stamps its writer puts in from the clock and chance replaced, so that the
// same report gives the same bytes: the /CreationDate becomes created (in UTC), each hex digit
// of the /ID pair is derived from the rest of the file. Every stamp keeps its length, so the
// cross-reference offsets stay true; a stamp of an unknown form is left as it is.
std::string WithFixedStamps(std::string pdf, const DateTime& created);

} // namespace vestra
