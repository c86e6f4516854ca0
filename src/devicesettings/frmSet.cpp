#include "devicesettings/frmSet.h"

#include "base/AppInfo.h"
#include "base/QtSelectAllText.h"
#include "data/FixedMessages.h"
#include "devicesettings/EditorTexts.h"
#include "devicesettings/QtUpDownButtons.h"
#include "devicesettings/frmSetAll.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vestra {
namespace {

constexpr int kLabelLength = 10;
constexpr std::array kNumbers = {SettingBox::Emissivity, SettingBox::AlarmHigh,
                                 SettingBox::AlarmLow};

QString toQt(const std::string& text) {
    return QString::fromStdString(text).replace("\r\n", "\n");
}

QLabel* buildLabel(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

QWidget* buildUnitLabels(TemperatureUnit unit) {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(buildLabel("lblUnit0", QString::fromUtf8("測定単位＝")), 0, Qt::AlignTop);
    row->addWidget(buildLabel("lblUnit1", toQt(UnitText(unit))), 0, Qt::AlignTop);
    row->addWidget(buildLabel("lblUnit2", toQt(MeasuringRangeText(unit))));
    row->addStretch();
    return box;
}

} // namespace

frmSet::frmSet(DataStore& store, TemperatureUnit unit, MessageSink& messages,
               ConnectionRunner& runner, CommResultReporter showCommResult, QWidget* parent)
    : QDialog(parent), store_(store), messages_(messages), runner_(runner),
      showCommResult_(std::move(showCommResult)), form_(store.deviceSettings, unit) {
    setWindowTitle(QString::fromUtf8(kAppTitle) + QString::fromUtf8(" 本体機能設定"));

    txtLabel_ = new QLineEdit;
    txtLabel_->setObjectName("txtLabel");
    txtLabel_->setMaxLength(kLabelLength);
    SelectAllOnFocus(txtLabel_);
    connect(txtLabel_, &QLineEdit::textChanged, this,
            [this](const QString& text) { form_.type(0, SettingBox::Label, text.toStdString()); });
    auto* labelRow = new QHBoxLayout;
    labelRow->addWidget(new QLabel(QString::fromUtf8("本体ラベル")));
    labelRow->addWidget(txtLabel_);
    labelRow->addStretch();

    auto* lblWarning = buildLabel("lblWarning", toQt(MemoryWarningText()));
    lblWarning->setAutoFillBackground(true);
    lblWarning->setStyleSheet("QLabel { color: red; background: white; }");

    SSTab_ = new QTabWidget;
    SSTab_->setObjectName("SSTab");
    SSTab_->setUsesScrollButtons(false);
    buildTabs(SSTab_);
    auto* fraAll = new QGroupBox(QString::fromUtf8("各グループの設定"));
    (new QVBoxLayout(fraAll))->addWidget(SSTab_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(buildButton("cmdGet", "取込", &frmSet::cmdGet_Click));
    buttons->addWidget(buildButton("cmdAll", "一覧表示", &frmSet::cmdAll_Click));
    buttons->addStretch();
    buttons->addWidget(buildButton("cmdSet", "設定", &frmSet::cmdSet_Click));
    buttons->addWidget(buildButton("cmdCancel", "中止", &frmSet::cmdCancel_Click));
    cmdDefault_ = buildButton("cmdDefault", "デフォルトに戻す", &frmSet::cmdDefault_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(labelRow);
    layout->addWidget(buildUnitLabels(unit));
    layout->addWidget(lblWarning);
    layout->addWidget(fraAll);
    layout->addWidget(cmdDefault_, 0, Qt::AlignRight);
    layout->addLayout(buttons);

    if (store_.hasData) {
        form_.loadFrom(store_.currentData);
    } else {
        form_.loadDefaults();
    }
    showAll();
    SSTab_->setCurrentIndex(0);
    refreshDefaultButton();
}

void frmSet::buildTabs(QTabWidget* tabs) {
    for (int g = 1; g <= kGroupCount; ++g) {
        QtGroupPage& p = pages_[g - 1];
        p = BuildGroupPage(g);
        p.frame->setEnabled(g == 1);
        tabs->addTab(p.page, QString::fromStdString(TabCaption(g)));
        connect(p.tag, &QLineEdit::textChanged, this, [this, g](const QString& text) {
            form_.type(g, SettingBox::Tag, text.toStdString());
            refreshDefaultButton();
        });
        for (std::size_t i = 0; i < kNumbers.size(); ++i) {
            SettingBox number = kNumbers[i];
            connect(p.numbers[i], &QLineEdit::textChanged, this,
                    [this, g, number](const QString& text) {
                        form_.type(g, number, text.toStdString());
                        refreshDefaultButton();
                    });
            connect(p.arrows[i], &QtUpDownButtons::stepped, this,
                    [this, g, number](int direction) { UpDown_Click(g, number, direction); });
        }
    }
    connect(tabs, &QTabWidget::currentChanged, this, &frmSet::SSTab_Click);
}

QPushButton* frmSet::buildButton(const char* name, const char* caption, void (frmSet::*slot)()) {
    auto* button = new QPushButton(QString::fromUtf8(caption));
    button->setObjectName(name);
    // Enter in a box must not press a button that talks to the thermometer.
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

QLineEdit* frmSet::boxOf(int group, SettingBox box) const {
    return box == SettingBox::Label ? txtLabel_ : pages_[group - 1].box(box);
}

void frmSet::showGroup(int group) {
    for (SettingBox box :
         {SettingBox::Tag, SettingBox::Emissivity, SettingBox::AlarmHigh, SettingBox::AlarmLow}) {
        boxOf(group, box)->setText(QString::fromStdString(form_.text(group, box)));
    }
}

void frmSet::showAll() {
    txtLabel_->setText(QString::fromStdString(form_.text(0, SettingBox::Label)));
    for (int g = 1; g <= kGroupCount; ++g) {
        showGroup(g);
    }
}

void frmSet::refreshDefaultButton() {
    cmdDefault_->setEnabled(!form_.isAtDefaults(visibleGroup()));
}

// Only the visible group's frame is enabled, so the keyboard never reaches a hidden box.
void frmSet::SSTab_Click(int index) {
    pages_[visibleTab_].frame->setEnabled(false);
    visibleTab_ = index;
    pages_[visibleTab_].frame->setEnabled(true);
    refreshDefaultButton();
}

void frmSet::UpDown_Click(int group, SettingBox number, int direction) {
    QLineEdit* box = boxOf(group, number);
    if (form_.step(group, number, direction)) {
        box->setText(QString::fromStdString(form_.text(group, number)));
    }
    box->setFocus();
    box->selectAll();
}

bool frmSet::validateSettings() {
    auto fault = form_.validate();
    showAll();
    if (!fault) {
        return true;
    }
    if (fault->group > 0) {
        SSTab_->setCurrentIndex(fault->group - 1);
    }
    QLineEdit* box = boxOf(fault->group, fault->box);
    box->selectAll();
    box->setFocus();
    ShowInputError(messages_);
    return false;
}

void frmSet::cmdGet_Click() {
    if (!runner_.openPort()) {
        return;
    }
    ConnectionOutcome outcome = runner_.run(ConnectionMode::ModeReadSettings, DateTime{});
    activateWindow();
    if (!outcome.ok()) {
        showCommResult_(outcome.result);
        return;
    }
    form_.loadFrom(*outcome.received);
    showAll();
}

void frmSet::cmdAll_Click() {
    if (!validateSettings()) {
        return;
    }
    frmSetAll list(store_.deviceSettings, form_.unit(), this);
    list.exec();
    if (list.sendRequested()) {
        cmdSet_Click();
    }
}

void frmSet::cmdSet_Click() {
    if (!validateSettings() || !messages_.askYesNo(SendConfirmationText()) || !runner_.openPort()) {
        return;
    }
    ConnectionOutcome outcome = runner_.run(ConnectionMode::ModeSendSettings, DateTime{});
    activateWindow();
    if (!outcome.ok()) {
        showCommResult_(outcome.result);
        return;
    }
    messages_.showMessage(SendCompletedText(), MessageIcon::Information);
    accept();
}

void frmSet::cmdCancel_Click() {
    reject();
}

void frmSet::cmdDefault_Click() {
    if (!messages_.askYesNo(RestoreDefaultsQuestionText(), MessageIcon::None)) {
        return;
    }
    int group = visibleGroup();
    form_.applyGroupDefaults(group);
    showGroup(group);
    pages_[group - 1].tag->setFocus();
}

} // namespace vestra
