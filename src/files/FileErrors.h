#pragma once

#include "shell/MessageSink.h"

namespace vestra {

// One message for every cause: the user can only try another file or another place.
void ShowLoadError(MessageSink& messages);
void ShowSaveError(MessageSink& messages);

} // namespace vestra
