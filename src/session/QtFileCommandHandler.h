#pragma once

#include "base/MessageSink.h"
#include "files/FileDialogs.h"
#include "files/OutputPlace.h"

#include <QObject>
#include <string>

namespace vestra {

class frmMain;

// Carries out the main window's Open and Save commands. It lives as long as the window and
// keeps currentFilePath, the file last chosen in either dialog, up to date; each file saved is
// reported to outputs, and the window's title names the data file.
class QtFileCommandHandler : public QObject {
    Q_OBJECT
public:
    QtFileCommandHandler(frmMain& window, FileDialogs& dialogs, std::string& currentFilePath,
                         OutputPlace& outputs, MessageSink& messages);

public slots:
    // Asks about unsaved data, lets the user choose a data file of the current unit and shows
    // it. A file that cannot be read leaves the shown data as it was.
    void open();
    // The Open command for a file named on the command line or in the history window: the same
    // question, checks and messages as with a file chosen in the dialog.
    void openGiven(const std::string& path);
    // Lets the user choose a name and writes the shown data as a data file, a CSV file or a
    // text report, by the extension.
    void save();

signals:
    // A data set was read from or written to path: an open, or a save in any format.
    void dataFiled(const QString& path);

private:
    void load();

    frmMain& window_;
    FileDialogs& dialogs_;
    std::string& currentFilePath_;
    OutputPlace& outputs_;
    MessageSink& messages_;
};

} // namespace vestra
