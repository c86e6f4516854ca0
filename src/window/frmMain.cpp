#include "window/frmMain.h"

#include "base/AppInfo.h"
#include "data/TableLayout.h"
#include "window/QtGridTable.h"
#include "window/WindowTitle.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>

namespace vestra {
namespace {

// The fixed-pitch Japanese face keeps the blank-padded values of the panels in line.
constexpr const char* kWindowFont = "IPAGothic";
constexpr int kWindowFontPoints = 9;

} // namespace

frmMain::frmMain(DataStore& store, TemperatureUnit unit, MainWindowSettings& settings,
                 MessageSink& messages, QWidget* parent)
    : QMainWindow(parent), store_(store), unit_(std::move(unit)), settings_(settings),
      messages_(messages) {
    setFont(QFont(QString::fromUtf8(kWindowFont), kWindowFontPoints));
    buildMenus();
    buildToolbar();
    buildStatusBar();
    buildPanels();
    setUpEditors();
    startUp();
    reserveRoomForBothPanels();
    applyPlacement();
}

void frmMain::startUp() {
    setWindowTitle(QString::fromUtf8(kAppTitle));
    mnuCommPort_Click(settings_.portNumber - 1);
    store_.hasData = false;
    store_.modified = false;
    store_.currentData.totalCount = 0;
    updateFileCommands();
    buildGroupTree();
    fraGrp_->hide();
    vsfgAll_->setColumnTwips(kSummaryColumnTwips);
    vsfgGrp_->setColumnTwips(kDetailColumnTwips);
    txtEdit_->setMaxLength(AnnotationTypingLimit(Annotation::Remark));
    store_.currentData.importedAt = DateTime::Now();
    store_.currentGroup = 0;
    resetSummaryTable();
    resetDetailTable();
    showSummary();
    lblUnit_->setText(QString::fromStdString(UnitText(unit_)));
    txtEdit_->hide();
    applyModelTypeSetting();
}

void frmMain::closeEvent(QCloseEvent* event) {
    commitPendingEdits();
    if (store_.hasData && store_.modified &&
        !messages_.askYesNo("現在のﾃﾞｰﾀは保存されていませんが終了しますか?")) {
        event->ignore();
        return;
    }
    rememberPlacement();
    event->accept();
}

void frmMain::updateFileCommands() {
    for (QAction* action : {mnuSave_, tbrSave_, mnuPrint_, tbrPrint_}) {
        action->setEnabled(store_.hasData);
    }
}

void frmMain::refreshViews() {
    nodeClicked(tvwGroup_->currentItem());
}

void frmMain::commitLoadedData(bool fresh) {
    store_.hasData = true;
    store_.clearCurrentReadings();
    store_.commitImport(fresh);
    refreshViews();
    store_.modified = fresh;
    if (fresh) {
        dataFileName_.clear();
    }
    refreshTitle();
    updateFileCommands();
    store_.clearImportReadings();
    emit dataCommitted(fresh);
}

bool frmMain::confirmDiscardUnsaved() {
    return !(store_.hasData && store_.modified) ||
           messages_.askYesNo("現在のﾃﾞｰﾀは保存されていませんがよろしいですか?");
}

void frmMain::selectNode(int group) {
    QTreeWidgetItem* root = tvwGroup_->topLevelItem(0);
    QTreeWidgetItem* node = group == 0 ? root : root->child(group - 1);
    if (tvwGroup_->currentItem() == node) {
        nodeClicked(node);
    } else {
        tvwGroup_->setCurrentItem(node);
    }
}

void frmMain::setDataFile(const std::string& path) {
    dataFileName_ = std::filesystem::path(path).filename().string();
    refreshTitle();
}

void frmMain::refreshTitle() {
    setWindowTitle(
        QString::fromStdString(MainWindowTitle(dataFileName_, store_.hasData && store_.modified)));
}

void frmMain::showNote(const QString& note) {
    notePanel_->setText(note);
    notePanel_->show();
}

void frmMain::noteWritten(const QString& note, const QString& path) {
    showNote(note);
    notePanel_->setToolTip(path);
    noteTimer_->stop();
}

void frmMain::setPortDescription(int portNumber, const QString& description) {
    if (portNumber >= 1 && portNumber <= static_cast<int>(mnuCommPort_.size())) {
        QAction* port = mnuCommPort_[static_cast<std::size_t>(portNumber - 1)];
        port->setStatusTip(description);
        port->setToolTip(description);
    }
}

} // namespace vestra
