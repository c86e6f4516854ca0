#pragma once

#include "base/MessageSink.h"

#include <string>

namespace vestra {

// The one message of every file failure, then the file and the reason on a line of their own:
// the user can only try another file or another place, and needs to know which.
void ShowLoadError(MessageSink& messages, const std::string& path, const std::string& reason);
void ShowSaveError(MessageSink& messages, const std::string& path, const std::string& reason);

} // namespace vestra
