#include "history/QtHistoryRecorder.h"

#include "data/frmMain.h"

#include <QLabel>
#include <QStatusBar>

namespace vestra {

QtHistoryRecorder::QtHistoryRecorder(frmMain& window, history::HistorySettings settings)
    : QObject(&window), window_(window), settings_(std::move(settings)), note_(new QLabel) {
    note_->setObjectName("HistoryNote");
    note_->hide();
    // A permanent widget at the right end: the specified panels keep their places.
    window.statusBar()->addPermanentWidget(note_);
}

history::HistoryStore* QtHistoryRecorder::store(std::string& reason) {
    if (!store_) {
        if (auto name = history::HistoryDatabase(settings_, reason)) {
            store_ = history::OpenHistoryStore(*name, history::HistoryAccess::ReadWrite, reason);
        }
    }
    return store_.get();
}

void QtHistoryRecorder::record(const QString& sourceFile) {
    if (!settings_.record) {
        return;
    }
    std::string reason;
    history::HistoryStore* history = store(reason);
    history::AddOutcome outcome{};
    if (history == nullptr || !history->add(window_.store().currentData, window_.unit(),
                                            sourceFile.toStdString(), outcome, reason)) {
        showFailure(reason);
        store_.reset(); // a server that went away is connected again next time
        return;
    }
    note_->hide();
}

void QtHistoryRecorder::showFailure(const std::string& reason) {
    note_->setText(QString::fromUtf8("履歴に記録できません"));
    note_->setToolTip(QString::fromStdString(reason));
    note_->show();
}

} // namespace vestra
