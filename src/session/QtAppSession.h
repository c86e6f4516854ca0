#pragma once

#include "base/MessageSink.h"
#include "base/Settings.h"
#include "base/SettingsDocument.h"
#include "data/DataSet.h"
#include "files/FileDialogs.h"
#include "files/OutputPlace.h"
#include "print/PrintOptions.h"
#include "print/QtPrintSystem.h"
#include "window/frmMain.h"

#include <memory>
#include <optional>
#include <string>

namespace vestra {

// What one run of the program keeps from the start-up form to the end: the settings file as read
// at start and the settings taken from it, the data, the printing state, the main window and
// the file dialogs. The window's own settings and the print menu's remembered choices are
// copied in from the settings here and written back, with the rest of the file, by
// saveSettings: the file is read once and written once per run.
class QtAppSession {
public:
    QtAppSession(SettingsDocument document, Settings settings, MessageSink& messages);
    ~QtAppSession();
    QtAppSession(const QtAppSession&) = delete;
    QtAppSession& operator=(const QtAppSession&) = delete;

    frmMain& window() { return *window_; }
    // Where reports go, the same for every print command of the run; chosen when first needed
    // so that a start does not wait for the printing system.
    QtPrintDestination& destination();

    // Writes every setting as it stands, once the main window has closed. False when the file
    // could not be written; there is nobody left to tell then.
    bool saveSettings();

    SettingsDocument settingsDocument;
    Settings settings; // CurrentUnit and CurrentFilePath are used from here during the run
    MainWindowSettings windowSettings;
    PrintSettings print;
    DataStore store;
    MessageSink& messages;
    OutputPlace outputs; // the folder written to last, and the status bar's note of each file
    // Replaced by tests before the file commands are connected.
    std::unique_ptr<FileDialogs> fileDialogs;
    // Replaced by tests before the print command is connected.
    std::unique_ptr<PrintSystem> printSystem;

private:
    std::optional<QtPrintDestination> destination_;
    std::unique_ptr<frmMain> window_;
};

} // namespace vestra
