#include "history/frmHistory.h"

#include "base/AppInfo.h"
#include "base/AtomicFile.h"
#include "base/FileFunc.h"
#include "base/StartFolder.h"
#include "data/ValueFormat.h"
#include "files/Export.h"
#include "files/FileChoice.h"
#include "files/FileErrors.h"
#include "files/OutputPlace.h"
#include "files/QtFileDialogs.h"
#include "history/HistoryCsv.h"
#include "history/QtTrendView.h"
#include "history/SqlText.h"
#include "window/QtWindowFit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

namespace vestra {
namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QStringList headings(TemperatureUnit unit) {
    QStringList list;
    for (const char* h :
         {"収録日時", "", "警報", "上限値", "下限値", "ﾀｸﾞ", "対象物", "測定者", "備考", "ﾌｧｲﾙ"}) {
        list << QString::fromUtf8(h);
    }
    list[1] = text("データ(" + UnitText(unit) + ")");
    return list;
}

QStringList cells(const history::HistoryReading& r) {
    return {text(FormatTimestamp(r.takenAt)),
            text(FormatTemperature(r.value, false)),
            text(history::SqlAlarm(r.alarm)),
            text(FormatTemperature(r.alarmHigh, false)),
            text(FormatTemperature(r.alarmLow, false)),
            text(r.tag),
            text(r.object),
            text(r.measurer),
            text(r.remark),
            text(r.sourceFile)};
}

} // namespace

frmHistory::frmHistory(Expected<history::HistoryStore*> store, TemperatureUnit unit,
                       MessageSink& messages, QWidget* parent)
    : QDialog(parent), store_(store.value_or(nullptr)), unit_(unit), messages_(messages) {
    setObjectName("frmHistory");
    setWindowTitle(QString::fromUtf8(kAppTitle) + QString::fromUtf8(" 履歴"));
    buildLayout();
    if (!store) {
        showFailure(store.error().text);
        return;
    }
    fillChoices();
    if (!choices_.empty()) {
        choose(0);
    }
}

void frmHistory::buildLayout() {
    cboKey_ = new QComboBox;
    cboKey_->setObjectName("cboKey");
    cmdExport_ = new QPushButton(QString::fromUtf8("CSV出力(&E)"));
    cmdExport_->setObjectName("cmdExport");
    cmdExport_->setEnabled(false);
    vsfgHistory_ = new QTableWidget(0, 10);
    vsfgHistory_->setObjectName("vsfgHistory");
    vsfgHistory_->setHorizontalHeaderLabels(headings(unit_));
    vsfgHistory_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vsfgHistory_->setSelectionBehavior(QAbstractItemView::SelectRows);
    vsfgHistory_->verticalHeader()->hide();
    lblStatus_ = new QLabel;
    lblStatus_->setObjectName("lblStatus");
    lblStatus_->setWordWrap(true);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QString::fromUtf8("ﾀｸﾞ/対象物")));
    top->addWidget(cboKey_, 1);
    top->addWidget(cmdExport_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    trend_ = new QtTrendView;
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(vsfgHistory_);
    split->addWidget(trend_);
    layout->addWidget(split, 1);
    layout->addWidget(lblStatus_);
    ResizeWithinScreen(*this, QSize(900, 720));
    connect(cboKey_, &QComboBox::activated, this, &frmHistory::choose);
    connect(cmdExport_, &QPushButton::clicked, this, &frmHistory::askExport);
    connect(vsfgHistory_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { rowActivated(row); });
}

// Every tag and every object of the current unit, tags first; values are never converted, so
// data sets of the other unit are not offered.
void frmHistory::fillChoices() {
    Expected<std::vector<history::TagSummary>> tags = store_->tags();
    if (!tags) {
        showFailure(tags.error().text);
        return;
    }
    std::set<std::string> tagNames;
    std::set<std::string> objects;
    for (const history::TagSummary& t : *tags) {
        if (t.unit == unit_) {
            tagNames.insert(t.tag);
            if (!t.object.empty()) {
                objects.insert(t.object);
            }
        }
    }
    for (const std::string& name : tagNames) {
        choices_.push_back({history::HistoryKey::Tag, name, unit_});
        cboKey_->addItem(text("ﾀｸﾞ  " + name));
    }
    for (const std::string& name : objects) {
        choices_.push_back({history::HistoryKey::Object, name, unit_});
        cboKey_->addItem(text("対象物  " + name));
    }
}

void frmHistory::choose(int index) {
    if (index < 0 || index >= static_cast<int>(choices_.size())) {
        return;
    }
    cboKey_->setCurrentIndex(index);
    Expected<std::vector<history::HistoryReading>> readings =
        store_->readings(choices_[static_cast<std::size_t>(index)]);
    if (readings) {
        readings_ = std::move(*readings);
    } else {
        readings_.clear();
        showFailure(readings.error().text);
    }
    fillTable();
}

void frmHistory::fillTable() {
    vsfgHistory_->setRowCount(static_cast<int>(readings_.size()));
    for (int row = 0; row < static_cast<int>(readings_.size()); ++row) {
        QStringList values = cells(readings_[static_cast<std::size_t>(row)]);
        for (int column = 0; column < values.size(); ++column) {
            auto* item = new QTableWidgetItem(values[column]);
            if (column == 1 || column == 3 || column == 4) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            vsfgHistory_->setItem(row, column, item);
        }
    }
    vsfgHistory_->resizeColumnsToContents();
    trend_->showReadings(readings_);
    cmdExport_->setEnabled(!readings_.empty());
    lblStatus_->setText(QString::number(readings_.size()) + QString::fromUtf8(" 件"));
}

void frmHistory::showFailure(const std::string& reason) {
    cboKey_->setEnabled(false);
    cmdExport_->setEnabled(false);
    lblStatus_->setText(QString::fromUtf8("履歴を開けません: ") + text(reason));
}

bool frmHistory::exportCsv(const std::string& path) {
    Expected<void> written =
        WriteFileAtomically(path, EncodeLines(history::HistoryCsvLines(readings_, unit_)));
    if (!written) {
        ShowSaveError(messages_, path, written.error().text);
        return false;
    }
    emit fileWritten(path);
    return true;
}

// The project's own save dialog, as the Save command shows it: in the folder last written to,
// the name of the tag or object suggested, ".csv" given to a name typed without it, a question
// before a file is replaced.
void frmHistory::askExport() {
    int index = cboKey_->currentIndex();
    std::string name = index >= 0 && index < static_cast<int>(choices_.size())
                           ? choices_[static_cast<std::size_t>(index)].name
                           : std::string();
    FileDialogSetup setup{.folder = outputFolder_.empty() ? CurrentStartFolders().documents
                                                          : outputFolder_,
                          .name = SuggestedFileName(name),
                          .defaultExtension = "csv",
                          .filters = {{"CSVﾌｧｲﾙ(*.csv)", "*.csv"}}};
    QtFileDialogs dialogs(this);
    std::optional<std::string> path = AskSaveName(
        dialogs, setup,
        [](const std::string& chosen) { return LowerCaseAscii(ExtensionOf(chosen)) == "csv"; },
        messages_);
    if (path) {
        exportCsv(*path);
    }
}

void frmHistory::rowActivated(int row) {
    const std::string& source = readings_.at(static_cast<std::size_t>(row)).sourceFile;
    if (!source.empty()) {
        emit openFileRequested(text(source));
        accept();
    }
}

} // namespace vestra
