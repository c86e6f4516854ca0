#pragma once

#include "history/BackendModules.h"
#include "history/HistoryLocation.h"
#include "history/HistoryStore.h"

#include <QDeadlineTimer>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>
#include <deque>
#include <memory>
#include <optional>
#include <string>

class QProcess;
class QTimer;

namespace vestra {

class frmMain;
class MessageSink;

// How the window runs the recorder: the program, how long one data set may take before the
// recorder is ended (well beyond a server's connection time-out, a lock's wait and the writing
// together), and how long the window's close waits for all the data sets still open (a person
// waits for the program to end; a server that does not answer would hold it for ever).
struct RecorderRun {
    std::string program = history::HistoryRecordProgram(); // empty: its place is unknown
    std::chrono::milliseconds perDataSet{60'000};
    std::chrono::milliseconds atClose{30'000};
};

// Adds the shown data set to the history after every successful import, open and save. The
// history never stands in the way of those commands: each data set is handed to
// vestra-history-record (app/record), one at a time in the order recorded, so that neither a busy
// database file nor a server that does not answer holds up the window, and the window itself
// never maps SQLite or libpq for it. A failure is one note in the status bar (the reason in its
// tool tip), gone after the next success, and no message box. A recorder that outlives its
// deadline is ended (SIGTERM, then SIGKILL) and counts as failed. Data sets still being recorded
// when the window goes are given a bounded time to finish; those that are not recorded by then
// are named in one message, since the status bar is gone.
class QtHistoryRecorder : public QObject {
    Q_OBJECT
public:
    QtHistoryRecorder(frmMain& window, history::HistorySettings settings, MessageSink& messages,
                      RecorderRun run = {});
    ~QtHistoryRecorder() override;

    // The history for the history window, opened in this process for the window's life (a
    // server restarted meanwhile is simply connected again); the error when it cannot be opened.
    Expected<std::unique_ptr<history::HistoryStore>> openStore() const;

    // The status-bar note; hidden while the history works.
    QLabel* note() const { return note_; }

    // Whether every data set recorded so far has been handed on and answered for.
    bool idle() const { return running_ == nullptr && waiting_.empty(); }

public slots:
    // Finishes the data sets still open within RecorderRun::atClose and ends the rest; when any
    // was not recorded, one message says how many and why. Called as the window goes: at the
    // application's end while the window still stands, and at the latest by the destructor.
    void finishAll();

    // Adds the shown data set; sourceFile is empty for data that has no native file.
    void record(const QString& sourceFile);

signals:
    // A data set was stored (ok) or could not be (the note says why).
    void recorded(bool ok);

private:
    void startNext();
    void finish(bool ok, const std::string& reason);
    void endRunning(const std::string& reason);
    void showFailure(const std::string& reason);

    frmMain& window_;
    history::HistorySettings settings_;
    MessageSink& messages_;
    RecorderRun run_;
    QPointer<QLabel> note_; // in the window's status bar, which may go before the recorder
    std::deque<std::string> waiting_; // the requests not yet handed on, oldest first
    QProcess* running_ = nullptr;
    QTimer* deadline_;                      // the running recorder's
    std::optional<QDeadlineTimer> closeBy_; // set by finishAll: nothing is started after it
    int lostAtClose_ = 0;
    std::string lostReason_; // the last reason of those lost at the close
};

} // namespace vestra
