#pragma once

#include "history/HistoryLocation.h"
#include "history/HistoryStore.h"

#include <QObject>
#include <memory>
#include <string>

class QLabel;

namespace vestra {

class frmMain;

// Adds the shown data set to the history after every successful import, open and save. The
// history never stands in the way of those commands: a failure is one note in the status bar
// (the reason in its tool tip), gone after the next success, and no message box.
class QtHistoryRecorder : public QObject {
    Q_OBJECT
public:
    QtHistoryRecorder(frmMain& window, history::HistorySettings settings);

    // The history, opened when first needed and kept open; null with the reason when it cannot
    // be opened (it is tried again next time).
    history::HistoryStore* store(std::string& reason);

    // The status-bar note; hidden while the history works.
    QLabel* note() const { return note_; }

public slots:
    // Adds the shown data set; sourceFile is empty for data that has no native file.
    void record(const QString& sourceFile);

private:
    void showFailure(const std::string& reason);

    frmMain& window_;
    history::HistorySettings settings_;
    std::unique_ptr<history::HistoryStore> store_;
    QLabel* note_;
};

} // namespace vestra
