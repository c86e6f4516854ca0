#include "CliCommand.h"
#include "DeviceLink.h"
#include "OutputOptions.h"
#include "StandardOutput.h"
#include "base/FileFault.h"
#include "base/FileRead.h"
#include "base/VisibleText.h"
#include "data/FixedMessages.h"
#include "devicesettings/EditorTexts.h"
#include "devicesettings/SettingsText.h"
#include "files/FileErrors.h"
#include "files/JsonExport.h"

namespace vestra::cli {
namespace {

// A settings text is 16 short lines; anything much larger is not one.
constexpr std::size_t kMaxSettingsFileBytes = 64 * 1024;

std::string describeFault(const std::string& file, const SettingsTextFault& fault) {
    std::string where = VisibleText(file) + " " + std::to_string(fault.line) + "行目";
    if (fault.text.empty()) {
        return where + "がありません。ｸﾞﾙｰﾌﾟ15までの行が必要です。";
    }
    return where + ": " + VisibleText(fault.text);
}

int printSettings(const CliContext& context, const std::string& port, bool json) {
    DataStore store;
    DeviceRun run = RunDeviceConnection(context, port, ConnectionMode::ModeReadSettings, store);
    if (run.status != kExitOk) {
        return run.status;
    }
    const DataSet& settings = *run.outcome.received;
    if (json) {
        return PrintText(context, SettingsJson(settings, context.unit));
    }
    return PrintLines(context, SettingsTextLines(settings));
}

// Checks the file as the settings editor checks its boxes, then resets the thermometer and
// sends the settings; nothing is sent when a line is at fault.
int sendSettings(const CliContext& context, const std::string& port, const std::string& file) {
    Expected<FileContents> contents = ReadRegularFile(file, kMaxSettingsFileBytes);
    if (!contents || !contents->whole) {
        ShowLoadError(context.messages, file, contents ? kFileTooLarge : contents.error().text);
        return kExitFileError;
    }
    const std::string& text = contents->bytes;
    DataStore store;
    SettingsForm form(store.deviceSettings, context.unit);
    if (auto fault = ReadSettingsText(text, form)) {
        ShowInputError(context.messages);
        context.messages.showMessage(describeFault(file, *fault), MessageIcon::Exclamation);
        return kExitUsage;
    }
    int status = RunDeviceConnection(context, port, ConnectionMode::ModeSendSettings, store).status;
    if (status == kExitOk) {
        context.messages.showMessage(SendCompletedText(), MessageIcon::Information);
    }
    return status;
}

} // namespace

// Prints the thermometer's label and group settings in the form --send reads (or with --json
// as JSON), or sends them. No --header: a column line would not be read back by --send.
int RunSettings(const CliContext& context, const CommandArgs& args) {
    OutputFlags flags = OutputFlagsOf(args);
    if (!args.operands.empty()) {
        return kBadArguments;
    }
    const std::string& port = *args.option("--port");
    if (const std::string* file = args.option("--send")) {
        return flags.json ? kBadArguments : sendSettings(context, port, *file);
    }
    return printSettings(context, port, flags.json);
}

} // namespace vestra::cli
