#include "DeviceLink.h"
#include "device/DeviceOperationTexts.h"

namespace vestra::cli {

// Erases the readings in the thermometer's memory. Giving the command is the confirmation.
int RunClear(const CliContext& context, const CommandArgs& args) {
    return RunPortCommand(context, args, ConnectionMode::ModeClearMemory, ClearCompletedText());
}

} // namespace vestra::cli
