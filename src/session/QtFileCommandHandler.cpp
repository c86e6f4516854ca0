#include "session/QtFileCommandHandler.h"

#include "files/DataFile.h"
#include "files/FileChoice.h"
#include "files/FileCommands.h"
#include "window/frmMain.h"

namespace vestra {

QtFileCommandHandler::QtFileCommandHandler(frmMain& window, FileDialogs& dialogs,
                                           std::string& currentFilePath, OutputPlace& outputs,
                                           MessageSink& messages)
    : QObject(&window), window_(window), dialogs_(dialogs), currentFilePath_(currentFilePath),
      outputs_(outputs), messages_(messages) {
    connect(&window, &frmMain::openRequested, this, &QtFileCommandHandler::open);
    connect(&window, &frmMain::saveRequested, this, &QtFileCommandHandler::save);
}

void QtFileCommandHandler::open() {
    if (!window_.confirmDiscardUnsaved() ||
        !ChooseOpenFile(dialogs_, currentFilePath_, window_.unit(), messages_)) {
        return;
    }
    load();
}

void QtFileCommandHandler::openGiven(const std::string& path) {
    if (window_.confirmDiscardUnsaved() &&
        AcceptOpenName(path, currentFilePath_, window_.unit(), messages_)) {
        load();
    }
}

void QtFileCommandHandler::load() {
    DataStore& store = window_.store();
    if (LoadDataFile(currentFilePath_, store, window_.unit(), messages_)) {
        window_.commitLoadedData(false);
        window_.setDataFile(currentFilePath_);
        emit dataFiled(QString::fromStdString(currentFilePath_));
    } else {
        store.clearImportReadings();
    }
}

// No question about unsaved data here: saving is what keeps it. The writers replace an
// existing file only once the new one is complete, so a failed save loses nothing.
void QtFileCommandHandler::save() {
    if (ChooseSaveFile(dialogs_, currentFilePath_, window_.unit(), messages_)) {
        if (SaveToFile(currentFilePath_, window_.store(), window_.unit(), messages_) ==
            SaveResult::Saved) {
            if (SaveFormatOf(currentFilePath_, window_.unit()) == SaveFormat::Native) {
                window_.setDataFile(currentFilePath_);
            } else {
                window_.refreshTitle(); // an export counts as saved too
            }
            outputs_.written(currentFilePath_);
            emit dataFiled(QString::fromStdString(currentFilePath_));
        }
    }
}

} // namespace vestra
