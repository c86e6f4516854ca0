#pragma once

#include "base/MessageSink.h"
#include "device/CommState.h"

namespace vestra {

// Tells the user why a connection failed. Called by the caller of a connection when
// LastResult is not ResultOk; every value without a message of its own gets the general one.
void ShowCommResult(MessageSink& messages, CommResult result);

} // namespace vestra
