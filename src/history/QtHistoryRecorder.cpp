#include "history/QtHistoryRecorder.h"

#include "files/DataFile.h"
#include "history/BackendModules.h"
#include "window/frmMain.h"

#include <QLabel>
#include <QProcess>
#include <QStatusBar>

namespace vestra {
namespace {

// Longer than any one data set takes: a server's connection time-out, a busy file's wait and
// the writing itself. Only the data sets still open when the window goes are waited for.
constexpr int kLastRecordMilliseconds = 60'000;

// The reason the recorder wrote: its last line.
std::string ReasonOf(QProcess& process) {
    QString text = QString::fromUtf8(process.readAllStandardError()).trimmed();
    qsizetype lastLine = text.lastIndexOf(QLatin1Char('\n'));
    return text.mid(lastLine + 1).toStdString();
}

} // namespace

QtHistoryRecorder::QtHistoryRecorder(frmMain& window, history::HistorySettings settings)
    : QObject(&window), window_(window), settings_(std::move(settings)), note_(new QLabel) {
    note_->setObjectName("HistoryNote");
    note_->hide();
    // A permanent widget at the right end: the specified panels keep their places.
    window.statusBar()->addPermanentWidget(note_);
}

// The window is going, its status bar perhaps gone before this: what is open is finished
// without a word.
QtHistoryRecorder::~QtHistoryRecorder() {
    if (running_ != nullptr) {
        running_->disconnect(this);
        running_->waitForFinished(kLastRecordMilliseconds);
    }
    for (const std::string& request : waiting_) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(QString::fromStdString(history::HistoryRecordProgram()), {});
        if (!process.waitForStarted()) {
            continue;
        }
        process.write(request.data(), qint64(request.size()));
        process.closeWriteChannel();
        process.waitForFinished(kLastRecordMilliseconds);
    }
}

std::unique_ptr<history::HistoryStore> QtHistoryRecorder::openStore(std::string& reason) const {
    auto name = history::HistoryDatabase(settings_, reason);
    return name ? history::OpenHistoryStore(*name, history::HistoryAccess::ReadWrite, reason)
                : nullptr;
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
    if (running_ != nullptr || waiting_.empty()) {
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
            finish(false,
                   process->program().toStdString() + ": " + process->errorString().toStdString());
        }
    });
    process->start(QString::fromStdString(history::HistoryRecordProgram()), {});
    if (process->state() != QProcess::NotRunning) { // else the failure is told already
        process->write(request.data(), qint64(request.size()));
        process->closeWriteChannel();
    }
}

void QtHistoryRecorder::finish(bool ok, const std::string& reason) {
    running_->deleteLater();
    running_ = nullptr;
    if (ok) {
        note_->hide();
    } else {
        showFailure(reason.empty() ? "vestra-history-record did not answer" : reason);
    }
    emit recorded(ok);
    startNext();
}

void QtHistoryRecorder::showFailure(const std::string& reason) {
    note_->setText(QString::fromUtf8("履歴に記録できません"));
    note_->setToolTip(QString::fromStdString(reason));
    note_->show();
}

} // namespace vestra
