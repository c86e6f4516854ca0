#include "devicesettings/QtGroupPage.h"

#include "base/QtSelectAllText.h"
#include "devicesettings/EditorTexts.h"
#include "devicesettings/QtUpDownButtons.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vestra {
namespace {

constexpr int kTagLength = 10;
constexpr int kEmissivityLength = 4;
constexpr int kAlarmLength = 3;
constexpr int kNumberWidth = 48;

struct NumberSpec {
    const char* caption;
    const char* name;
    int maxLength;
};

constexpr NumberSpec kNumbers[] = {{"放射率", "EP", kEmissivityLength},
                                   {"上限値", "AH", kAlarmLength},
                                   {"下限値", "AL", kAlarmLength}};

QLineEdit* buildBox(const QString& name, int maxLength) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    SelectAllOnFocus(box);
    return box;
}

} // namespace

QLineEdit* QtGroupPage::box(SettingBox which) const {
    if (which == SettingBox::Tag) {
        return tag;
    }
    return numbers.at(static_cast<std::size_t>(which) -
                      static_cast<std::size_t>(SettingBox::Emissivity));
}

QtGroupPage BuildGroupPage(int group) {
    QtGroupPage p;
    p.page = new QWidget;
    p.frame = new QGroupBox(QString::fromStdString(GroupFrameCaption(group)));
    p.frame->setObjectName(QString("fraTab%1").arg(group));
    auto* grid = new QGridLayout(p.frame);

    p.tag = buildBox(QString("txtTag%1").arg(group), kTagLength);
    grid->addWidget(new QLabel(QString::fromUtf8("タグ")), 0, 0);
    grid->addWidget(p.tag, 0, 1, 1, 2);

    for (int i = 0; i < 3; ++i) {
        const NumberSpec& number = kNumbers[i];
        p.numbers[i] = buildBox(QString("txt%1%2").arg(number.name).arg(group), number.maxLength);
        p.numbers[i]->setAlignment(Qt::AlignRight);
        p.numbers[i]->setFixedWidth(kNumberWidth);
        p.arrows[i] = new QtUpDownButtons;
        p.arrows[i]->setObjectName(QString("UpDown%1%2").arg(number.name).arg(group));
        p.arrows[i]->stepWithKeysOf(p.numbers[i]);
        grid->addWidget(new QLabel(QString::fromUtf8(number.caption)), i + 1, 0);
        grid->addWidget(p.numbers[i], i + 1, 1);
        grid->addWidget(p.arrows[i], i + 1, 2, Qt::AlignLeft);
    }
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(p.page);
    layout->addWidget(p.frame);
    return p;
}

} // namespace vestra
