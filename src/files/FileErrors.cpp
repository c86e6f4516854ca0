#include "files/FileErrors.h"

namespace vestra {

void ShowLoadError(MessageSink& messages) {
    messages.beep();
    messages.showMessage("File Load Error !", MessageIcon::Critical);
}

void ShowSaveError(MessageSink& messages) {
    messages.beep();
    messages.showMessage("File Save Error !", MessageIcon::Critical);
}

} // namespace vestra
