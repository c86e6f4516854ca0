#include "print/frmPrnSet.h"

#include "base/AppInfo.h"
#include "print/QtPrinterCheck.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vestra {
namespace {

QString indexedName(const char* name, std::size_t i) {
    return QString::fromLatin1(name) + QString::number(i);
}

// One-digit group numbers get a blank in front so that the captions line up.
QString groupCaption(int n) {
    return QStringLiteral("ｸﾞﾙｰﾌﾟ") + (n < 10 ? QStringLiteral(" ") : QString()) +
           QString::number(n);
}

} // namespace

frmPrnSet::frmPrnSet(const QtPrintJob& job, QWidget* parent)
    : QDialog(parent), job_(job), lblPrName_(new QLabel(this)) {
    setWindowTitle(QString::fromUtf8(kAppTitle) + QStringLiteral(" 印刷詳細設定メニュー"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(pageHeaderFrame(), 0, 0, 2, 1);
    layout->addWidget(groupFrame(), 0, 1, 1, 2);
    layout->addWidget(switchFrame(QStringLiteral("コメント"), "chkItemC", {"対象物", "測定者"},
                                  kCommentSwitches.data()),
                      1, 1);
    layout->addWidget(switchFrame(QStringLiteral("設定内容"), "chkItemS",
                                  {"ﾀｸﾞ", "放射率", "上限値", "下限値"},
                                  kSettingsItemSwitches.data()),
                      1, 2);
    layout->addWidget(switchFrame(QStringLiteral("ﾃﾞｰﾀ項目"), "chkItemD",
                                  {"ﾃﾞｰﾀ", "警報", "備考", "最大値", "最小値", "平均値"},
                                  kDataItemSwitches.data()),
                      1, 3);
    layout->addWidget(buttonRow(), 2, 0, 1, 4);

    lblPrName_->setText(DestinationName(job_.place.destination));
    for (const SwitchBox& s : switchBoxes_) {
        s.box->setChecked(job_.settings.options.*s.option);
    }
    GroupChoice choice = InitialGroupChoice(job_.settings);
    optField_.at(static_cast<std::size_t>(choice))->setChecked(true);
    optField_Click(static_cast<int>(choice));
}

QGroupBox* frmPrnSet::pageHeaderFrame() {
    auto* frame = new QGroupBox(QStringLiteral("ページ／ヘッダ"), this);
    auto* layout = new QVBoxLayout(frame);
    auto* chkPage = new QCheckBox(QStringLiteral("ﾍﾟｰｼﾞ"), frame);
    chkPage->setObjectName(QStringLiteral("chkPage"));
    layout->addWidget(chkPage);
    addSwitchBox(chkPage, &PrintOptions::printPageNumber);
    const char* captions[] = {"件名", "日時", "本体ﾗﾍﾞﾙ", "測定単位", "全収録数"};
    for (std::size_t i = 0; i < kHeaderSwitches.size(); ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(captions[i]), frame);
        box->setObjectName(indexedName("chkHead", i));
        layout->addWidget(box);
        addSwitchBox(box, kHeaderSwitches[i]);
    }
    layout->addStretch();
    return frame;
}

QGroupBox* frmPrnSet::groupFrame() {
    auto* frame = new QGroupBox(QStringLiteral("グループ"), this);
    auto* layout = new QGridLayout(frame);
    auto* choices = new QButtonGroup(this);
    const char* captions[] = {"全ｸﾞﾙｰﾌﾟ印刷", "ﾃﾞｰﾀのあるｸﾞﾙｰﾌﾟ", "ｸﾞﾙｰﾌﾟ指定印刷"};
    for (std::size_t i = 0; i < optField_.size(); ++i) {
        auto* opt = new QRadioButton(QString::fromUtf8(captions[i]), frame);
        opt->setObjectName(indexedName("optField", i));
        choices->addButton(opt, static_cast<int>(i));
        layout->addWidget(opt, 0, static_cast<int>(i) * 2, 1, 2);
        optField_.at(i) = opt;
    }
    connect(choices, &QButtonGroup::idClicked, this, &frmPrnSet::optField_Click);
    for (int n = 1; n <= kGroupCount; ++n) {
        auto* box = new QCheckBox(groupCaption(n), frame);
        box->setObjectName(indexedName("chkGrp", static_cast<std::size_t>(n - 1)));
        layout->addWidget(box, 1 + (n - 1) / 5, (n - 1) % 5);
        connect(box, &QCheckBox::clicked, this, [this, n](bool on) { chkGrp_Click(n - 1, on); });
        chkGrp_.at(static_cast<std::size_t>(n - 1)) = box;
    }
    return frame;
}

QGroupBox* frmPrnSet::switchFrame(const QString& title, const char* name,
                                  const std::vector<const char*>& captions,
                                  const PrintSwitch* switches) {
    auto* frame = new QGroupBox(title, this);
    auto* layout = new QVBoxLayout(frame);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(captions[i]), frame);
        box->setObjectName(indexedName(name, i));
        layout->addWidget(box);
        addSwitchBox(box, switches[i]);
    }
    layout->addStretch();
    return frame;
}

QWidget* frmPrnSet::buttonRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->addWidget(new QLabel(QStringLiteral("使用するﾌﾟﾘﾝﾀ："), row));
    lblPrName_->setObjectName(QStringLiteral("lblPrName"));
    layout->addWidget(lblPrName_, 1);
    struct Button {
        const char* name;
        const char* caption;
        void (frmPrnSet::*handler)();
    };
    const Button buttons[] = {{"cmdOK", "印刷実行", &frmPrnSet::cmdOK_Click},
                              {"cmdPrSet", "ﾌﾟﾘﾝﾀの設定", &frmPrnSet::cmdPrSet_Click},
                              {"cmdCancel", "中止", &frmPrnSet::cmdCancel_Click}};
    for (const Button& button : buttons) {
        auto* b = new QPushButton(QString::fromUtf8(button.caption), row);
        b->setObjectName(QString::fromLatin1(button.name));
        layout->addWidget(b);
        connect(b, &QPushButton::clicked, this, button.handler);
    }
    return row;
}

// A click writes the switch; a data item may switch the reading table on with it.
void frmPrnSet::addSwitchBox(QCheckBox* box, PrintSwitch option) {
    switchBoxes_.push_back({box, option});
    connect(box, &QCheckBox::clicked, this, [this, option](bool on) {
        PrintOptions& options = job_.settings.options;
        options.*option = on;
        ApplyDataItemsDependency(options);
        for (const SwitchBox& s : switchBoxes_) {
            s.box->setChecked(options.*s.option);
        }
    });
}

void frmPrnSet::showGroups(bool enabled) {
    for (int n = 1; n <= kGroupCount; ++n) {
        QCheckBox* box = chkGrp_.at(static_cast<std::size_t>(n - 1));
        box->setChecked(job_.settings.options.group(n));
        box->setEnabled(enabled);
    }
}

void frmPrnSet::optField_Click(int index) {
    showGroups(ApplyGroupChoice(job_.settings.options, static_cast<GroupChoice>(index), job_.data));
}

void frmPrnSet::chkGrp_Click(int index, bool checked) {
    job_.settings.options.setGroup(index + 1, checked);
}

void frmPrnSet::cmdOK_Click() {
    if (CheckSomethingToPrint(job_.settings.options, job_.messages)) {
        StartPrinting(*this, job_);
    }
    accept();
}

void frmPrnSet::cmdPrSet_Click() {
    RunPrinterSetup(this, job_.place.destination, job_.place.system);
    lblPrName_->setText(DestinationName(job_.place.destination));
}

void frmPrnSet::cmdCancel_Click() {
    reject();
}

} // namespace vestra
