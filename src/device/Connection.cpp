#include "device/Connection.h"

#include "device/CommCtl.h"
#include "device/DeviceCommands.h"
#include "device/ReadDump.h"
#include "device/ReadingProgress.h"

namespace vestra {
namespace {

constexpr int kBreakMs = 100;
constexpr int kWakeUpMs = 2 * kBreakMs; // the break and the rest after it
constexpr int kSettingsStartProgress = 2;

} // namespace

std::string ModeStatusText(ConnectionMode mode) {
    switch (mode) {
    case ConnectionMode::ModeReadClock:
        return "時計ﾃﾞｰﾀの取り込み中。";
    case ConnectionMode::ModeReadSettings:
        return "設定ﾃﾞｰﾀの取り込み中。";
    case ConnectionMode::ModeSetClock:
        return "時計設定中。";
    case ConnectionMode::ModeSendSettings:
    case ConnectionMode::ModeResetDevice:
        return "本体ﾘｾｯﾄ中。";
    case ConnectionMode::ModeClearMemory:
        return "ﾒﾓﾘを消去中。";
    default:
        return "ﾒﾓﾘﾃﾞｰﾀの取り込み中。";
    }
}

Connection::Connection(SerialPort& port, CommState& state, DataStore& data, TemperatureUnit unit,
                       CommObserver& observer)
    : port_(port), state_(state), data_(data), unit_(unit), session_(port, state, observer) {}

void Connection::wakeUp() {
    session_.traceNote("mode " + std::to_string(static_cast<int>(state_.CurrentMode)));
    session_.showStatus("本体の起動中。");
    session_.BreakOn();
    port_.pause(kBreakMs);
    session_.BreakOff();
    port_.pause(kBreakMs);
}

ConnectionOutcome Connection::run() {
    if (started_) {
        return outcome_;
    }
    started_ = true;
    session_.StepProgress();
    session_.showStatus("通信を確立中。");
    session_.SendCommand("HEL");
    if (session_.WaitReply()) {
        session_.StepProgress();
        session_.showStatus(ModeStatusText(state_.CurrentMode));
        runOperation();
    }
    // Whatever happened, the thermometer is told that the connection is over.
    session_.SendCommand("BYE");
    session_.StepProgress();
    CloseCommPort(port_);
    session_.traceNote("result " + std::to_string(static_cast<int>(state_.LastResult)));
    outcome_ = outcome();
    return outcome_;
}

ConnectionOutcome Connection::outcome() const {
    ConnectionOutcome o;
    o.result = state_.LastResult;
    if (IsReadingMode(state_.CurrentMode)) {
        o.soFar = ReceivedWhole(data_.importBuffer, o.ok());
        if (o.ok()) {
            o.received = data_.importBuffer;
        }
    }
    return o;
}

// The start delay counts from the beginning of the wake-up, as the window's start timer does
// (it is started just before the break): the greeting goes out kStartDelayMs after the break.
ConnectionOutcome Connection::runFromStart() {
    wakeUp();
    port_.pause(kStartDelayMs - kWakeUpMs);
    return run();
}

void Connection::runOperation() {
    ConnectionMode mode = state_.CurrentMode;
    switch (mode) {
    case ConnectionMode::ModeSetClock:
        SendClock(session_, state_.ClockToSet);
        break;
    case ConnectionMode::ModeSendSettings:
        SendReset(session_);
        if (!session_.failed()) {
            session_.setProgress(kSettingsStartProgress);
            session_.showStatus("設定中。");
            UploadSettings(session_, data_.deviceSettings);
        }
        break;
    case ConnectionMode::ModeClearMemory:
        SendClear(session_);
        break;
    case ConnectionMode::ModeResetDevice:
        SendReset(session_);
        break;
    case ConnectionMode::ModeReadClock:
    case ConnectionMode::ModeReadSettings:
        ReadDump(session_, mode, unit_, data_.importBuffer);
        break;
    default:
        ReadDump(session_, ConnectionMode::ModeImportMemory, unit_, data_.importBuffer);
        break;
    }
}

} // namespace vestra
