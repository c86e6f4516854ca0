#pragma once

#include "history/HistoryLocation.h"
#include "history/HistoryStore.h"

#include <QObject>
#include <QString>
#include <deque>
#include <memory>
#include <string>

class QLabel;
class QProcess;

namespace vestra {

class frmMain;

// Adds the shown data set to the history after every successful import, open and save. The
// history never stands in the way of those commands: each data set is handed to
// vestra-history-record (app/record), one at a time in the order recorded, so that neither a busy
// database file nor a server that does not answer holds up the window, and the window itself
// never maps SQLite or libpq for it. A failure is one note in the status bar (the reason in its
// tool tip), gone after the next success, and no message box. Data sets still being recorded
// when the window goes are finished first.
class QtHistoryRecorder : public QObject {
    Q_OBJECT
public:
    QtHistoryRecorder(frmMain& window, history::HistorySettings settings);
    ~QtHistoryRecorder() override;

    // The history for the history window, opened in this process for the window's life (a
    // server restarted meanwhile is simply connected again); null with the reason when it cannot
    // be opened.
    std::unique_ptr<history::HistoryStore> openStore(std::string& reason) const;

    // The status-bar note; hidden while the history works.
    QLabel* note() const { return note_; }

    // Whether every data set recorded so far has been handed on and answered for.
    bool idle() const { return running_ == nullptr && waiting_.empty(); }

public slots:
    // Adds the shown data set; sourceFile is empty for data that has no native file.
    void record(const QString& sourceFile);

signals:
    // A data set was stored (ok) or could not be (the note says why).
    void recorded(bool ok);

private:
    void startNext();
    void finish(bool ok, const std::string& reason);
    void showFailure(const std::string& reason);

    frmMain& window_;
    history::HistorySettings settings_;
    QLabel* note_;
    std::deque<std::string> waiting_; // the requests not yet handed on, oldest first
    QProcess* running_ = nullptr;
};

} // namespace vestra
