#include "data/FixedMessages.h"
#include "window/QtToolIcons.h"
#include "window/frmMain.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace vestra {
namespace {

constexpr int kPortCount = 16;
constexpr int kNoteMilliseconds = 4000;

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QAction* addItem(QMenu* menu, const char* name, const char* caption,
                 QKeySequence shortcut = QKeySequence()) {
    QAction* action = menu->addAction(text(caption));
    action->setObjectName(text(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

// Every command first stores the edit in progress, so that it works on up-to-date data.
void frmMain::runCommand(void (frmMain::*signal)()) {
    commitPendingEdits();
    emit(this->*signal)();
}

void frmMain::buildMenus() {
    for (QMenu* menu : {buildFileMenu(), buildCommMenu()}) {
        connect(menu, &QMenu::aboutToShow, this, &frmMain::commitPendingEdits);
    }
    buildOtherMenus();
}

QMenu* frmMain::buildFileMenu() {
    QMenu* menu = menuBar()->addMenu(text("ﾌｧｲﾙ(&F)"));
    menu->setObjectName("mnuFile");
    connect(addItem(menu, "mnuOpen", "開く(&O)", QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [this] { runCommand(&frmMain::openRequested); });
    mnuSave_ = addItem(menu, "mnuSave", "保存(&S)", QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(mnuSave_, &QAction::triggered, this, [this] { runCommand(&frmMain::saveRequested); });
    menu->addSeparator();
    mnuPrint_ = addItem(menu, "mnuPrint", "印刷(&P)", QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(mnuPrint_, &QAction::triggered, this, [this] { runCommand(&frmMain::printRequested); });
    menu->addSeparator();
    connect(addItem(menu, "mnuExit", "終了(&X)"), &QAction::triggered, this, &QWidget::close);
    return menu;
}

QMenu* frmMain::buildCommMenu() {
    QMenu* menu = menuBar()->addMenu(text("通信(&C)"));
    menu->setObjectName("mnuComm");
    auto command = [this, menu](const char* name, const char* caption, void (frmMain::*signal)(),
                                QKeySequence shortcut = QKeySequence()) {
        connect(addItem(menu, name, caption, shortcut), &QAction::triggered, this,
                [this, signal] { runCommand(signal); });
    };
    command("mnuData", "ﾃﾞｰﾀの取込(&D)", &frmMain::importRequested,
            QKeySequence(Qt::CTRL | Qt::Key_D));
    menu->addSeparator();
    command("mnuTime", "本体時計設定(&T)", &frmMain::clockRequested);
    command("mnuFunc", "本体機能設定(&F)", &frmMain::settingsRequested);
    menu->addSeparator();
    command("mnuClear", "本体ﾒﾓﾘ消去(&C)", &frmMain::clearMemoryRequested);
    command("mnuReset", "本体ﾘｾｯﾄ(&R)", &frmMain::resetDeviceRequested);
    menu->addSeparator();
    QMenu* ports = menu->addMenu(text("通信ﾎﾟｰﾄの選択(&S)"));
    ports->setObjectName("mnuCommSel");
    ports->setToolTipsVisible(true); // each item tells which device it is
    for (int i = 0; i < kPortCount; ++i) {
        QAction* port = ports->addAction(QStringLiteral("通信ﾎﾟｰﾄ(COM%1)").arg(i + 1));
        port->setObjectName(QStringLiteral("mnuCommPort%1").arg(i));
        port->setCheckable(true);
        connect(port, &QAction::triggered, this, [this, i] {
            commitPendingEdits();
            mnuCommPort_Click(i);
        });
        mnuCommPort_[static_cast<std::size_t>(i)] = port;
    }
    return menu;
}

void frmMain::buildOtherMenus() {
    mnuChange_ = menuBar()->addMenu(text("ﾟC/ﾟF切換(&M)"));
    mnuChange_->setObjectName("mnuChange");
    connect(mnuChange_, &QMenu::aboutToShow, this, &frmMain::commitPendingEdits);
    mnuChangeDI_ = addItem(mnuChange_, "mnuChangeDI", "起動時に選択を行わない");
    mnuChangeDI_->setCheckable(true);
    connect(mnuChangeDI_, &QAction::triggered, this, &frmMain::mnuChangeDI_Click);

    QMenu* edit = menuBar()->addMenu(text("登録(&R)"));
    edit->setObjectName("mnuEdit");
    for (auto [name, caption] :
         {std::pair{"mnuEditInfo", "件名(&I)"}, std::pair{"mnuEditTarget", "対象物(&T)"},
          std::pair{"mnuEditName", "測定者(&N)"}}) {
        connect(addItem(edit, name, caption), &QAction::triggered, this,
                [this] { ShowNotSupported(messages_); });
    }
    edit->addSeparator();
    connect(addItem(edit, "mnuHistory", "履歴(&Y)"), &QAction::triggered, this,
            [this] { runCommand(&frmMain::historyRequested); });
    // The chart stands beside the panels, where a window of the panels' own size has no room.
    mnuChart_ = addItem(edit, "mnuChart", "ｸﾞﾗﾌ表示(&G)", QKeySequence(Qt::CTRL | Qt::Key_G));
    mnuChart_->setCheckable(true);
    connect(mnuChart_, &QAction::triggered, this, &frmMain::showChart);

    QMenu* help = menuBar()->addMenu(text("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName("mnuHelp");
    connect(help, &QMenu::aboutToShow, this, &frmMain::commitPendingEdits);
    connect(addItem(help, "mnuHelpApp", "処理ｿﾌﾄ ﾍﾙﾌﾟ", QKeySequence::HelpContents),
            &QAction::triggered, this, [this] { runCommand(&frmMain::helpRequested); });
    help->addSeparator();
    connect(addItem(help, "mnuVersion", "ﾊﾞｰｼﾞｮﾝ情報(&A)"), &QAction::triggered, this,
            [this] { runCommand(&frmMain::aboutRequested); });
}

void frmMain::buildToolbar() {
    QToolBar* bar = addToolBar(text("tbrToolbar"));
    bar->setObjectName("tbrToolbar");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(32, 32));
    auto button = [this, bar](const char* key, const QIcon& icon, const char* caption,
                              void (frmMain::*signal)()) {
        QAction* action = bar->addAction(icon, text(caption));
        action->setObjectName(QStringLiteral("tbr") + text(key));
        connect(action, &QAction::triggered, this, [this, signal] { runCommand(signal); });
        return action;
    };
    button("Open", OpenIcon(), "開く", &frmMain::openRequested);
    tbrSave_ = button("Save", SaveIcon(), "保存", &frmMain::saveRequested);
    tbrPrint_ = button("Print", PrintIcon(), "印刷", &frmMain::printRequested);
    button("Data", ImportIcon(), "ﾃﾞｰﾀの取り込み", &frmMain::importRequested);
    // At the far end, so that the four buttons keep their places.
    auto* gap = new QWidget;
    gap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(gap);
    tbrChart_ = bar->addAction(ChartIcon(), text("ｸﾞﾗﾌ"));
    tbrChart_->setObjectName("tbrChart");
    tbrChart_->setCheckable(true);
    connect(tbrChart_, &QAction::triggered, this, &frmMain::showChart);
}

void frmMain::buildStatusBar() {
    portPanel_ = new QLabel(text("ﾎﾟｰﾄ："));
    portPanel_->setObjectName("Port");
    portPanel_->setToolTip(text("選択されている通信ﾎﾟｰﾄ"));
    portPanel_->setMinimumWidth(120);
    memoryPanel_ = new QLabel;
    memoryPanel_->setObjectName("Memory");
    memoryPanel_->setToolTip(text("VESTRA本体から取り込まれたﾃﾞｰﾀの総数"));
    statusBar()->addWidget(portPanel_);
    statusBar()->addWidget(memoryPanel_, 1);
    // A note about refused input stands at the right for a few seconds; hidden otherwise, so
    // the two panels keep their place.
    notePanel_ = new QLabel;
    notePanel_->setObjectName("Note");
    notePanel_->hide();
    statusBar()->addPermanentWidget(notePanel_);
    noteTimer_ = new QTimer(this);
    noteTimer_->setSingleShot(true);
    noteTimer_->setInterval(kNoteMilliseconds);
    connect(noteTimer_, &QTimer::timeout, notePanel_, &QLabel::hide);
}

void frmMain::mnuCommPort_Click(int index) {
    if (index < 0 || index >= kPortCount) {
        index = 0;
    }
    settings_.portNumber = index + 1;
    for (QAction* port : mnuCommPort_) {
        port->setChecked(false);
    }
    mnuCommPort_[static_cast<std::size_t>(index)]->setChecked(true);
    portPanel_->setText(QStringLiteral("ﾎﾟｰﾄ:COM%1").arg(settings_.portNumber));
    emit portChosen(settings_.portNumber);
}

// While the type is asked at every start the menu is of no use and is not shown.
void frmMain::applyModelTypeSetting() {
    if (settings_.askModelType) {
        mnuChange_->setEnabled(false);
        mnuChange_->menuAction()->setVisible(false);
    } else {
        mnuChangeDI_->setChecked(true);
    }
}

// A checked item means: do not ask for the thermometer type at start.
void frmMain::mnuChangeDI_Click() {
    commitPendingEdits();
    settings_.askModelType = !settings_.askModelType;
    mnuChangeDI_->setChecked(!settings_.askModelType);
}

} // namespace vestra
