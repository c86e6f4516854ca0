#include "device/frmTime.h"

#include "base/AppInfo.h"
#include "base/QtSelectAllText.h"
#include "device/ClockInput.h"
#include "device/DeviceOperationTexts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vestra {
namespace {

struct BoxSpec {
    const char* designText;
    int maxLength;
    const char* unit;
};

constexpr BoxSpec kBoxes[] = {{"YYYY", 4, "年"}, {"MM", 2, "月"}, {"DD", 2, "日"},
                              {"hh", 2, "時"},   {"mm", 2, "分"}, {"ss", 2, "秒"}};

QLineEdit* buildBox(int index) {
    const BoxSpec& layout = kBoxes[index];
    auto* box = new QLineEdit(QString::fromUtf8(layout.designText));
    box->setObjectName(QString("txtTime%1").arg(index));
    box->setMaxLength(layout.maxLength);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(layout.maxLength == 4 ? 56 : 36);
    SelectAllOnFocus(box);
    return box;
}

QPushButton* buildButton(const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption));
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmTime::frmTime(ConnectionRunner& runner, MessageSink& messages, CommResultReporter showCommResult,
                 const DateTime& now, QWidget* parent)
    : QDialog(parent), runner_(runner), messages_(messages),
      showCommResult_(std::move(showCommResult)) {
    setWindowTitle(QString::fromUtf8(kAppTitle) + QString::fromUtf8(" 本体時計設定"));

    auto* fraDate = new QGroupBox(QString::fromUtf8("日付"));
    auto* fraTime = new QGroupBox(QString::fromUtf8("時刻"));
    auto* dateRow = new QHBoxLayout(fraDate);
    auto* timeRow = new QHBoxLayout(fraTime);
    for (int i = 0; i < 6; ++i) {
        txtTime_[i] = buildBox(i);
        QHBoxLayout* row = i < 3 ? dateRow : timeRow;
        row->addWidget(txtTime_[i]);
        row->addWidget(new QLabel(QString::fromUtf8(kBoxes[i].unit)));
    }

    QPushButton* cmdRead = buildButton("時計読込");
    QPushButton* cmdOK = buildButton("設定");
    QPushButton* cmdCancel = buildButton("中止");
    // Enter in any box sets the clock, as typing the time and confirming it is the usual way.
    cmdOK->setDefault(true);
    connect(cmdRead, &QPushButton::clicked, this, &frmTime::cmdRead_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmTime::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTime::cmdCancel_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdRead);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraDate);
    layout->addWidget(fraTime);
    layout->addLayout(buttons);

    showClock(now);
}

void frmTime::showClock(const DateTime& t) {
    ClockBoxes texts = ClockBoxesOf(t);
    for (int i = 0; i < 6; ++i) {
        txtTime_[i]->setText(QString::fromStdString(texts[i]));
    }
}

// The dialog takes no input while its connection runs.
ConnectionOutcome frmTime::runConnection(ConnectionMode mode, const DateTime& clockToSet) {
    setEnabled(false);
    ConnectionOutcome outcome = runner_.run(mode, clockToSet);
    activateWindow();
    return outcome;
}

void frmTime::cmdRead_Click() {
    if (!runner_.openPort()) {
        return;
    }
    ConnectionOutcome outcome = runConnection(ConnectionMode::ModeReadClock, DateTime{});
    if (!outcome.ok()) {
        showCommResult_(outcome.result);
    } else {
        showClock(outcome.received->importedAt);
    }
    setEnabled(true);
}

void frmTime::cmdOK_Click() {
    ClockBoxes boxes;
    for (int i = 0; i < 6; ++i) {
        boxes[i] = txtTime_[i]->text().toStdString();
    }
    auto clock = ReadClockBoxes(boxes, messages_);
    if (!clock || !runner_.openPort()) {
        return;
    }
    ConnectionOutcome outcome = runConnection(ConnectionMode::ModeSetClock, *clock);
    if (!outcome.ok()) {
        showCommResult_(outcome.result);
        setEnabled(true);
        return;
    }
    messages_.showMessage(ClockSetCompletedText(), MessageIcon::Information);
    accept();
}

void frmTime::cmdCancel_Click() {
    reject();
}

} // namespace vestra
