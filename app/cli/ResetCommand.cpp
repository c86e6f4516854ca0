#include "DeviceLink.h"
#include "device/DeviceOperationTexts.h"

namespace vestra::cli {

// Returns the thermometer to its factory state, which erases its readings too. Giving the
// command is the confirmation.
int RunReset(const CliContext& context, const CommandArgs& args) {
    return RunPortCommand(context, args, ConnectionMode::ModeResetDevice, ResetCompletedText());
}

} // namespace vestra::cli
