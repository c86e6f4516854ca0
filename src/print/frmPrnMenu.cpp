#include "print/frmPrnMenu.h"

#include "base/AppInfo.h"
#include "print/PrintMenuRules.h"
#include "print/QtPrinterCheck.h"
#include "print/frmPrnSet.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace vestra {
namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

frmPrnMenu::frmPrnMenu(const QtPrintJob& job, QWidget* parent)
    : QDialog(parent), job_(job), lblPrName_(new QLabel(this)),
      chkData_(new QCheckBox(QStringLiteral("データのあるグループのみを印刷"), this)) {
    setWindowTitle(QString::fromUtf8(kAppTitle) + QStringLiteral(" 印刷設定メニュー"));
    buildControls();

    lblPrName_->setText(DestinationName(job_.place.destination));
    int itemSet = OpenPrintMenu(job_.settings, job_.data);
    chkData_->setChecked(job_.settings.PrintDataOption);
    optGrp_.at(static_cast<std::size_t>(itemSet))->setChecked(true);
}

void frmPrnMenu::buildControls() {
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("使用するﾌﾟﾘﾝﾀ："), this), 0, 0);
    lblPrName_->setObjectName(QStringLiteral("lblPrName"));
    layout->addWidget(lblPrName_, 0, 1, 1, 3);

    chkData_->setObjectName(QStringLiteral("chkData"));
    connect(chkData_, &QCheckBox::clicked, this, &frmPrnMenu::chkData_Click);
    layout->addWidget(chkData_, 1, 0, 1, 4);

    auto* frame = new QGroupBox(QStringLiteral("グループ毎"), this);
    auto* frameLayout = new QHBoxLayout(frame);
    auto* group = new QButtonGroup(this);
    const char* captions[] = {"全て", "設定", "データ"};
    for (int i = 0; i < 3; ++i) {
        auto* opt = new QRadioButton(QString::fromUtf8(captions[i]), frame);
        opt->setObjectName(QStringLiteral("optGrp%1").arg(i));
        group->addButton(opt, i);
        frameLayout->addWidget(opt);
        optGrp_.at(static_cast<std::size_t>(i)) = opt;
    }
    connect(group, &QButtonGroup::idClicked, this, &frmPrnMenu::optGrp_Click);
    layout->addWidget(frame, 2, 0, 1, 4);

    layout->addWidget(new QLabel(QStringLiteral("更に詳細な設定で印刷を行いたい場合は、"
                                                "下のボタンをクリックして下さい｡ "),
                                 this),
                      3, 0, 1, 4);
    auto* cmdSet = button(this, "cmdSet", QStringLiteral("詳細設定印刷"));
    auto* cmdOK = button(this, "cmdOK", QStringLiteral("印刷実行"));
    auto* cmdPreview = button(this, "cmdPreview", QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ"));
    auto* cmdPrSet = button(this, "cmdPrSet", QStringLiteral("ﾌﾟﾘﾝﾀの設定"));
    auto* cmdCancel = button(this, "cmdCancel", QStringLiteral("中止"));
    layout->addWidget(cmdSet, 4, 0, 1, 4);
    layout->addWidget(cmdOK, 5, 0);
    layout->addWidget(cmdPreview, 5, 1);
    layout->addWidget(cmdPrSet, 5, 2);
    layout->addWidget(cmdCancel, 5, 3);
    cmdOK->setDefault(true);
    connect(cmdSet, &QPushButton::clicked, this, &frmPrnMenu::cmdSet_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmPrnMenu::cmdOK_Click);
    connect(cmdPreview, &QPushButton::clicked, this, &frmPrnMenu::cmdPreview_Click);
    connect(cmdPrSet, &QPushButton::clicked, this, &frmPrnMenu::cmdPrSet_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPrnMenu::cmdCancel_Click);
}

void frmPrnMenu::chkData_Click(bool checked) {
    ApplyDataOnly(job_.settings, checked, job_.data);
}

void frmPrnMenu::optGrp_Click(int index) {
    ApplyItemSet(job_.settings, index);
}

void frmPrnMenu::cmdSet_Click() {
    hide();
    frmPrnSet settings(job_, parentWidget());
    settings.exec();
    accept();
}

void frmPrnMenu::cmdOK_Click() {
    StartPrinting(*this, job_);
    accept();
}

// A closed preview leaves the menu open for other choices; a printed one ends it.
void frmPrnMenu::cmdPreview_Click() {
    if (StartPreview(*this, job_)) {
        accept();
    }
}

void frmPrnMenu::cmdPrSet_Click() {
    RunPrinterSetup(this, job_.place.destination, job_.place.system);
    lblPrName_->setText(DestinationName(job_.place.destination));
}

void frmPrnMenu::cmdCancel_Click() {
    reject();
}

} // namespace vestra
