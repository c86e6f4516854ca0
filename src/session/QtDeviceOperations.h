#pragma once

#include "base/MessageSink.h"
#include "device/CommState.h"
#include "device/QtCommWindowRunner.h"
#include "serial/PortSurvey.h"

#include <QObject>
#include <map>
#include <string>

namespace vestra {

class frmMain;

// The thermometer commands of the main window's communication menu and toolbar: importing the
// memory, the clock dialog, the settings editor, clearing the memory, the factory reset, and
// following the port choice. Each connection opens the chosen port, runs the communication
// window and then reports its result or tells the user it is done.
class QtDeviceOperations : public QObject {
    Q_OBJECT
public:
    // portMap: the [Ports] section of the settings file (port number -> device); adapters of
    // the survey that it does not name yet are added to it (AssignNewAdapters), to be saved
    // with the settings. Each port's device becomes the status and tool tip of its menu item.
    QtDeviceOperations(frmMain& window, MessageSink& messages, std::map<int, std::string>& portMap,
                       const PortSurvey& survey);

public slots:
    void mnuData_Click();
    void mnuTime_Click();
    void mnuFunc_Click();
    void mnuClear_Click();
    void mnuReset_Click();
    void portChosen(int portNumber);

private:
    // Opens the port and runs one connection; false when the port was refused or the
    // connection failed (the user has been told why).
    bool runConnection(ConnectionMode mode);
    void reportCommResult(CommResult result);

    frmMain& window_;
    MessageSink& messages_;
    CommState state_;
    QtCommWindowRunner runner_;
};

// Connects the device commands to the window; they live as long as the window does.
QtDeviceOperations* InstallDeviceOperations(frmMain& window, MessageSink& messages,
                                            std::map<int, std::string>& portMap,
                                            const PortSurvey& survey);

} // namespace vestra
