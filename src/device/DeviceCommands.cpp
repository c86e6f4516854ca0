#include "device/DeviceCommands.h"

#include "base/NumberFormat.h"
#include "data/ValueFormat.h"
#include "device/DumpFields.h"

namespace vestra {
namespace {

// One command whose "OK" ends a short operation.
void sendSingle(CommSession& session, const std::string& command) {
    session.SendCommand(command);
    if (session.WaitReply()) {
        session.FinishProgress();
    }
}

} // namespace

std::string TimCommand(const DateTime& clock) {
    return "TIM " + FormatTimestampSeconds(clock);
}

std::string LblCommand(const std::string& label) {
    return "LBL " + std::string(dumpfields::TrimBlanks(label));
}

std::string SetCommand(int group, const GroupSetting& setting) {
    std::string line = "SET ";
    line += FormatNumber(static_cast<float>(group), "0#");
    line += ' ';
    line += dumpfields::TrimBlanks(setting.tag);
    line += ' ';
    line += FormatNumber(setting.emissivity, "#0.00");
    line += ' ';
    line += FormatNumber(setting.alarmHigh, "###0");
    line += ' ';
    line += FormatNumber(setting.alarmLow, "###0");
    return line;
}

void SendClock(CommSession& session, const DateTime& clockToSet) {
    sendSingle(session, TimCommand(clockToSet));
}

void SendClear(CommSession& session) {
    sendSingle(session, "CLR");
}

void SendReset(CommSession& session) {
    sendSingle(session, "RST");
}

void UploadSettings(CommSession& session, const DeviceSettings& settings) {
    session.SendCommand(LblCommand(settings.label));
    if (!session.WaitReply()) {
        return;
    }
    for (int g = 1; g <= kGroupCount; ++g) {
        session.SendCommand(SetCommand(g, settings.group(g)));
        if (!session.WaitReply()) {
            return;
        }
        session.StepProgress();
    }
}

} // namespace vestra
