#pragma once

#include "data/DataSet.h"
#include "data/frmMain.h"
#include "files/FileDialogs.h"
#include "print/PrintOptions.h"
#include "shell/MessageSink.h"
#include "shell/Settings.h"

#include <memory>
#include <string>

class QPrinter;

namespace vestra {

// What one run of the program keeps from the start-up form to the end: the settings read at
// start, the data, the printing state, the main window and the file dialogs. The window's own
// settings and the print menu's remembered choices are copied in from the settings here and
// written back by saveSettings.
class AppSession {
public:
    AppSession(std::string settingsFile, Settings settings, MessageSink& messages);
    ~AppSession();
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    frmMain& window() { return *window_; }
    // The printer in use, the same for every print command of the run; made when first needed
    // so that a start does not wait for the printing system.
    QPrinter& printer();

    // Writes every setting as it stands, once the main window has closed. False when the file
    // could not be written; there is nobody left to tell then.
    bool saveSettings();

    const std::string settingsFile;
    Settings settings; // CurrentUnit and CurrentFilePath are used from here during the run
    MainWindowSettings windowSettings;
    PrintSettings print;
    DataStore store;
    MessageSink& messages;
    // Replaced by tests before the file commands are connected.
    std::unique_ptr<FileDialogs> fileDialogs;

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<frmMain> window_;
};

} // namespace vestra
