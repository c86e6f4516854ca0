#include "history/QtHistoryRecorder.h"

#include "base/InstallLayout.h"
#include "base/MessageSink.h"
#include "base/VisibleText.h"
#include "files/DataFile.h"
#include "window/frmMain.h"

#include <QLabel>
#include <QProcess>
#include <QStatusBar>
#include <QTimer>

namespace vestra {
namespace {

// What a recorder is given after SIGTERM to end before SIGKILL: libpq and SQLite need no
// clean-up of ours, the server rolls back the open transaction when the connection drops.
constexpr int kTerminateMilliseconds = 1'000;

// The reason the recorder wrote: its last line.
std::string ReasonOf(QProcess& process) {
    QString text = QString::fromUtf8(process.readAllStandardError()).trimmed();
    qsizetype lastLine = text.lastIndexOf(QLatin1Char('\n'));
    return text.mid(lastLine + 1).toStdString();
}

// "WHAT が N 秒以内に終わりませんでした", the time rounded up to whole seconds.
std::string Overdue(const std::string& what, std::chrono::milliseconds allowed) {
    return what + " が " +
           std::to_string(std::chrono::ceil<std::chrono::seconds>(allowed).count()) +
           " 秒以内に終わりませんでした";
}

} // namespace

QtHistoryRecorder::QtHistoryRecorder(frmMain& window, history::HistorySettings settings,
                                     MessageSink& messages, RecorderRun run)
    : QObject(&window), window_(window), settings_(std::move(settings)), messages_(messages),
      run_(std::move(run)), note_(new QLabel), deadline_(new QTimer(this)) {
    note_->setObjectName("HistoryNote");
    note_->hide();
    // A permanent widget at the right end: the specified panels keep their places.
    window.statusBar()->addPermanentWidget(note_);
    deadline_->setSingleShot(true);
    connect(deadline_, &QTimer::timeout, this,
            [this] { endRunning(Overdue(run_.program, run_.perDataSet)); });
}

QtHistoryRecorder::~QtHistoryRecorder() {
    finishAll();
}

void QtHistoryRecorder::finishAll() {
    if (idle()) {
        return;
    }
    deadline_->stop();
    closeBy_ = QDeadlineTimer(run_.atClose);
    // Each answer starts the next data set while time is left (finish, startNext).
    while (running_ != nullptr && running_->waitForFinished(int(closeBy_->remainingTime()))) {
    }
    std::string overdue = Overdue("履歴の記録", run_.atClose);
    if (running_ != nullptr) {
        endRunning(overdue);
    }
    if (!waiting_.empty()) {
        lostAtClose_ += int(waiting_.size());
        lostReason_ = overdue;
        waiting_.clear();
    }
    if (lostAtClose_ > 0) {
        messages_.showDetailedMessage("履歴に記録できませんでした", MessageIcon::Exclamation,
                                      "記録されていないデータ: " + std::to_string(lostAtClose_) +
                                          " 件 (" + VisibleText(lostReason_) + ")");
        lostAtClose_ = 0;
    }
}

Expected<std::unique_ptr<history::HistoryStore>> QtHistoryRecorder::openStore() const {
    std::string reason;
    auto name = history::HistoryDatabase(settings_, reason);
    if (!name) {
        return unexpected(Error{reason});
    }
    return history::OpenHistoryStore(*name, history::HistoryAccess::ReadWrite);
}

void QtHistoryRecorder::record(const QString& sourceFile) {
    if (!settings_.record) {
        return;
    }
    TemperatureUnit unit = window_.unit();
    std::string request = settings_.database + '\0' + UnitLetter(unit) + '\0' +
                          sourceFile.toStdString() + '\0' +
                          EncodeDataFile(window_.store().currentData, unit);
    waiting_.push_back(std::move(request));
    startNext();
}

void QtHistoryRecorder::startNext() {
    if (running_ != nullptr || waiting_.empty() || (closeBy_ && closeBy_->hasExpired())) {
        return;
    }
    std::string request = std::move(waiting_.front());
    waiting_.pop_front();
    auto* process = new QProcess(this);
    running_ = process;
    process->setStandardOutputFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, this,
            [this, process](int status, QProcess::ExitStatus exit) {
                bool ok = exit == QProcess::NormalExit && status == 0;
                finish(ok, ok ? std::string() : ReasonOf(*process));
            });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            finish(false, run_.program.empty()
                              ? NotFoundWithoutProgramPlace("vestra-history-record")
                              : process->program().toStdString() + ": " +
                                    process->errorString().toStdString());
        }
    });
    process->start(QString::fromStdString(run_.program), {});
    if (process->state() != QProcess::NotRunning) { // else the failure is told already
        process->write(request.data(), qint64(request.size()));
        process->closeWriteChannel();
        if (!closeBy_) {
            deadline_->start(run_.perDataSet);
        }
    }
}

// A recorder past its deadline holds a lock or waits for a server: it is ended, and the data
// set counts as not recorded.
void QtHistoryRecorder::endRunning(const std::string& reason) {
    running_->disconnect(this);
    running_->terminate();
    if (!running_->waitForFinished(kTerminateMilliseconds)) {
        running_->kill();
        running_->waitForFinished(kTerminateMilliseconds);
    }
    finish(false, reason);
}

void QtHistoryRecorder::finish(bool ok, const std::string& reason) {
    deadline_->stop();
    running_->deleteLater();
    running_ = nullptr;
    if (ok && !note_.isNull()) {
        note_->hide();
    } else if (!ok) {
        std::string said = reason.empty() ? "vestra-history-record did not answer" : reason;
        showFailure(said);
        if (closeBy_) {
            ++lostAtClose_;
            lostReason_ = said;
        }
    }
    emit recorded(ok);
    startNext();
}

void QtHistoryRecorder::showFailure(const std::string& reason) {
    if (note_.isNull()) { // the status bar went before the recorder
        return;
    }
    note_->setText(QString::fromUtf8("履歴に記録できません"));
    note_->setToolTip(QString::fromStdString(reason));
    note_->show();
}

} // namespace vestra
