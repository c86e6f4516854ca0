#include "data/TableLayout.h"
#include "window/QtCp932Validator.h"
#include "window/QtGridTable.h"
#include "window/frmMain.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

namespace vestra {
namespace {

constexpr Annotation kBoxes[] = {Annotation::Subject, Annotation::Target, Annotation::Measurer};

// A box without the focus selects its text again when it gets it; selecting it now would only
// leave a highlight in a box the user is not using.
void selectIfFocused(QLineEdit* box) {
    if (box->hasFocus()) {
        box->selectAll();
    }
}

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

void frmMain::setUpEditors() {
    auto* validator = new QtCp932Validator(this);
    for (Annotation which : kBoxes) {
        QLineEdit* box = boxFor(which);
        box->setMaxLength(AnnotationTypingLimit(which));
        box->setValidator(validator);
        box->installEventFilter(this);
    }
    txtEdit_->setValidator(validator);
    txtEdit_->installEventFilter(this);
    connect(validator, &QtCp932Validator::refused, this,
            [this] { noteRefusedInput(QStringLiteral("この文字は入力できません。")); });
    connect(vsfgGrp_, &QtGridTable::enterPressed, this, &frmMain::startRemarkEdit);
    connect(vsfgGrp_, &QTableWidget::cellDoubleClicked, this, &frmMain::startRemarkEdit);
    // Scrolling or moving to another cell ends an open remark edit, so the editor never
    // stands over a cell it does not belong to.
    connect(vsfgGrp_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { commitRemark(false); });
    connect(vsfgGrp_, &QTableWidget::currentCellChanged, this, [this] {
        if (remarkOpen_) {
            commitRemark(true);
        }
    });
    connect(vsfgGrp_, &QTableWidget::currentCellChanged, this,
            [this](int row) { emit currentReadingChanged(row + 1); });
}

QLineEdit* frmMain::boxFor(Annotation which) const {
    switch (which) {
    case Annotation::Subject:
        return txtInfo_;
    case Annotation::Target:
        return txtTarget_;
    case Annotation::Measurer:
        return txtName_;
    case Annotation::Remark:
        break;
    }
    return txtEdit_;
}

void frmMain::commitPendingEdits() {
    for (Annotation which : kBoxes) {
        commitBox(which);
    }
    commitRemark(true);
}

// A box that shows a placeholder (no data, or a group without readings) is not editable, so
// its text never reaches the data.
void frmMain::commitBox(Annotation which) {
    if (!IsAnnotationEditable(store_, which)) {
        return;
    }
    QLineEdit* box = boxFor(which);
    std::string stored = StoreAnnotation(store_, which, box->text().toStdString());
    box->setText(QString::fromStdString(stored));
    selectIfFocused(box);
    refreshTitle();
}

void frmMain::revertBox(Annotation which) {
    if (!IsAnnotationEditable(store_, which)) {
        return;
    }
    QLineEdit* box = boxFor(which);
    box->setText(QString::fromStdString(StoredAnnotation(store_, which)));
    selectIfFocused(box);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtEdit_) {
        return handleRemarkKey(event);
    }
    for (Annotation which : kBoxes) {
        if (watched == boxFor(which)) {
            return handleBoxEvent(which, event);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// The box drops what does not fit its length without a sound; the user hears and reads
// why the key did nothing.
void frmMain::noteIfFull(QLineEdit* box, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    qsizetype adding = key->matches(QKeySequence::Paste)
                           ? QGuiApplication::clipboard()->text().size()
                           : key->text().size();
    bool printable = key->matches(QKeySequence::Paste) || (adding > 0 && key->text()[0].isPrint());
    if (printable && box->text().size() - box->selectedText().size() + adding > box->maxLength()) {
        noteRefusedInput(QStringLiteral("これ以上入力できません。"));
    }
}

void frmMain::noteRefusedInput(const QString& note) {
    messages_.beep();
    showNote(note);
    notePanel_->setToolTip(QString());
    noteTimer_->start();
}

bool frmMain::handleBoxEvent(Annotation which, QEvent* event) {
    QLineEdit* box = boxFor(which);
    noteIfFull(box, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        // After the mouse press that gave the focus has placed the cursor.
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
        return false;
    case QEvent::FocusOut:
        commitBox(which);
        return false;
    case QEvent::KeyPress: {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (isEnter(key)) {
            commitBox(which);
            return true;
        }
        if (key == Qt::Key_Escape) {
            revertBox(which);
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

bool frmMain::handleRemarkKey(QEvent* event) {
    noteIfFull(txtEdit_, event);
    if (event->type() == QEvent::FocusOut) {
        commitRemark(false);
        return false;
    }
    if (event->type() != QEvent::KeyPress || store_.currentGroup == 0) {
        return false;
    }
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        commitRemark(true);
        return true;
    case Qt::Key_Escape:
        cancelRemarkEdit();
        return true;
    case Qt::Key_Up:
        moveAfterRemark(-1);
        return true;
    case Qt::Key_Down:
        moveAfterRemark(1);
        return true;
    default:
        return false;
    }
}

void frmMain::moveAfterRemark(int step) {
    commitRemark(true);
    QCoreApplication::processEvents();
    int row = vsfgGrp_->currentGridRow() + step;
    if (row >= 1 && row < vsfgGrp_->gridRowCount()) {
        vsfgGrp_->setCurrentGridCell(row, vsfgGrp_->currentColumn());
    }
}

void frmMain::startRemarkEdit() {
    if (store_.currentGroup == 0) {
        return;
    }
    int row = vsfgGrp_->currentGridRow();
    if (!IsAnnotationEditable(store_, Annotation::Remark, row)) {
        messages_.showMessage("データ無しの備考欄は、入力は出来ません。", MessageIcon::Information);
        return;
    }
    vsfgGrp_->setCurrentGridCell(row, kRemarkColumn);
    txtEdit_->setText(vsfgGrp_->gridText(row, kRemarkColumn));
    txtEdit_->selectAll();
    txtEdit_->setGeometry(vsfgGrp_->gridCellRect(row, kRemarkColumn));
    remarkOpen_ = true;
    remarkRow_ = row;
    txtEdit_->show();
    txtEdit_->setFocus();
}

// The editor is closed before the focus moves, so the focus change cannot commit it twice.
void frmMain::commitRemark(bool focusTable) {
    if (!remarkOpen_ || store_.currentGroup == 0) {
        return;
    }
    remarkOpen_ = false;
    int row = remarkRow_;
    QString fitted = QString::fromStdString(
        CommitAnnotation(txtEdit_->text().toStdString(), "", Annotation::Remark).text);
    txtEdit_->setText(fitted);
    vsfgGrp_->setGridText(row, kRemarkColumn, fitted);
    if (focusTable) {
        vsfgGrp_->setFocus();
    }
    txtEdit_->hide();
    if (IsAnnotationEditable(store_, Annotation::Remark, row)) {
        StoreAnnotation(store_, Annotation::Remark, fitted.toStdString(), row);
        refreshTitle();
    }
}

void frmMain::cancelRemarkEdit() {
    remarkOpen_ = false;
    txtEdit_->hide();
    vsfgGrp_->setFocus();
}

} // namespace vestra
