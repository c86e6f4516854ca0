#include "session/QtDeviceOperations.h"

#include "device/CommResultMessages.h"
#include "device/DeviceOperationTexts.h"
#include "device/frmTime.h"
#include "devicesettings/frmSet.h"
#include "serial/PortSurvey.h"
#include "window/frmMain.h"

namespace vestra {
namespace {

const std::map<int, std::string>& WithNewAdapters(std::map<int, std::string>& portMap,
                                                  const PortSurvey& survey) {
    AssignNewAdapters(portMap, survey);
    return portMap;
}

} // namespace

QtDeviceOperations::QtDeviceOperations(frmMain& window, MessageSink& messages,
                                       std::map<int, std::string>& portMap,
                                       const PortSurvey& survey)
    : QObject(&window), window_(window), messages_(messages),
      runner_(state_, window.store(), window.unit(),
              PortEntriesOf(WithNewAdapters(portMap, survey)), messages, &window) {
    state_.PortNumber = window.portNumber();
    for (int n = 1; n <= kPortCount; ++n) {
        window.setPortDescription(
            n, QString::fromStdString(PortDescription(runner_.deviceOf(n), survey)));
    }
    connect(&window, &frmMain::importRequested, this, &QtDeviceOperations::mnuData_Click);
    connect(&window, &frmMain::clockRequested, this, &QtDeviceOperations::mnuTime_Click);
    connect(&window, &frmMain::settingsRequested, this, &QtDeviceOperations::mnuFunc_Click);
    connect(&window, &frmMain::clearMemoryRequested, this, &QtDeviceOperations::mnuClear_Click);
    connect(&window, &frmMain::resetDeviceRequested, this, &QtDeviceOperations::mnuReset_Click);
    connect(&window, &frmMain::portChosen, this, &QtDeviceOperations::portChosen);
}

bool QtDeviceOperations::runConnection(ConnectionMode mode) {
    if (!runner_.openPort()) {
        return false;
    }
    ConnectionOutcome outcome = runner_.run(mode, DateTime{});
    if (!outcome.ok()) {
        reportCommResult(outcome.result);
        return false;
    }
    return true;
}

void QtDeviceOperations::reportCommResult(CommResult result) {
    ShowCommResult(messages_, result);
}

void QtDeviceOperations::mnuData_Click() {
    if (!window_.confirmDiscardUnsaved() || !runner_.openPort()) {
        return;
    }
    DataStore& store = window_.store();
    ConnectionOutcome outcome = runner_.run(ConnectionMode::ModeImportMemory, DateTime{});
    if (!outcome.ok()) {
        // The shown data and its unsaved state stay; only what the failed dump left goes.
        reportCommResult(outcome.result);
        window_.updateFileCommands();
        store.clearImportReadings();
        return;
    }
    messages_.showMessage(ImportCompletedText(outcome.received->totalCount),
                          MessageIcon::Information);
    window_.commitLoadedData(true);
}

void QtDeviceOperations::mnuTime_Click() {
    frmTime dialog(
        runner_, messages_, [this](CommResult result) { reportCommResult(result); },
        DateTime::Now(), &window_);
    dialog.exec();
}

void QtDeviceOperations::mnuFunc_Click() {
    frmSet dialog(
        window_.store(), window_.unit(), messages_, runner_,
        [this](CommResult result) { reportCommResult(result); }, &window_);
    dialog.exec();
}

void QtDeviceOperations::mnuClear_Click() {
    if (messages_.askYesNo("本体のﾒﾓﾘﾃﾞｰﾀを全て消去します。よろしいですか?") &&
        runConnection(ConnectionMode::ModeClearMemory)) {
        messages_.showMessage(ClearCompletedText(), MessageIcon::Information);
    }
}

void QtDeviceOperations::mnuReset_Click() {
    if (messages_.askYesNo("本体を工場出荷状態に戻します。\r\n"
                           "ﾒﾓﾘﾃﾞｰﾀも消去されますが、よろしいですか?") &&
        runConnection(ConnectionMode::ModeResetDevice)) {
        messages_.showMessage(ResetCompletedText(), MessageIcon::Information);
    }
}

void QtDeviceOperations::portChosen(int portNumber) {
    state_.PortNumber = portNumber;
}

QtDeviceOperations* InstallDeviceOperations(frmMain& window, MessageSink& messages,
                                            std::map<int, std::string>& portMap,
                                            const PortSurvey& survey) {
    return new QtDeviceOperations(window, messages, portMap, survey);
}

} // namespace vestra
