#include "files/FileErrors.h"

#include "base/FileFault.h"

namespace vestra {

void ShowLoadError(MessageSink& messages, const std::string& path, const std::string& reason) {
    messages.beep();
    messages.showDetailedMessage("File Load Error !", MessageIcon::Critical,
                                 FileFaultLine(path, reason));
}

void ShowSaveError(MessageSink& messages, const std::string& path, const std::string& reason) {
    messages.beep();
    messages.showDetailedMessage("File Save Error !", MessageIcon::Critical,
                                 FileFaultLine(path, reason));
}

} // namespace vestra
