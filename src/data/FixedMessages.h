#pragma once

#include "base/MessageSink.h"

namespace vestra {

// The two message boxes whose text is the same wherever they are shown.
void ShowNotSupported(MessageSink& messages);
void ShowInputError(MessageSink& messages);

} // namespace vestra
