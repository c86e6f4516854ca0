#include "print/frmPrnSetup.h"

#include "base/AppInfo.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace vestra {
namespace {

// The sheets offered: the usual office sizes of Japan and of North America.
constexpr std::array kPageSizes = {QPageSize::A4,    QPageSize::A3,    QPageSize::A5,
                                   QPageSize::JisB5, QPageSize::JisB4, QPageSize::Letter,
                                   QPageSize::Legal};

} // namespace

frmPrnSetup::frmPrnSetup(const QtPrintDestination& destination, const QStringList& printers,
                         QWidget* parent)
    : QDialog(parent), destination_(destination), cboPrinter_(new QComboBox(this)),
      cboPaper_(new QComboBox(this)) {
    setWindowTitle(QString::fromUtf8(kAppTitle) + QStringLiteral(" ﾌﾟﾘﾝﾀの設定"));
    buildControls(printers);
    int printer = destination.isPdf() ? 0 : cboPrinter_->findData(destination.printerName);
    cboPrinter_->setCurrentIndex(std::max(printer, 0));
    int paper = cboPaper_->findData(static_cast<int>(destination.pageSize));
    cboPaper_->setCurrentIndex(std::max(paper, 0));
    optOrientation_.at(destination.orientation == QPageLayout::Landscape ? 1 : 0)->setChecked(true);
}

void frmPrnSetup::buildControls(const QStringList& printers) {
    cboPrinter_->setObjectName(QStringLiteral("cboPrinter"));
    cboPrinter_->addItem(QString::fromUtf8(kPdfDestinationName), QString());
    for (const QString& name : printers) {
        cboPrinter_->addItem(name, name);
    }
    cboPaper_->setObjectName(QStringLiteral("cboPaper"));
    for (QPageSize::PageSizeId id : kPageSizes) {
        cboPaper_->addItem(QPageSize::name(id), static_cast<int>(id));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("ﾌﾟﾘﾝﾀ："), cboPrinter_);
    layout->addRow(QStringLiteral("用紙ｻｲｽﾞ："), cboPaper_);
    layout->addRow(orientationFrame());
    layout->addRow(buttons);
}

QWidget* frmPrnSetup::orientationFrame() {
    auto* frame = new QGroupBox(QStringLiteral("印刷の向き"), this);
    auto* layout = new QHBoxLayout(frame);
    const char* captions[] = {"縦", "横"};
    for (std::size_t i = 0; i < optOrientation_.size(); ++i) {
        auto* opt = new QRadioButton(QString::fromUtf8(captions[i]), frame);
        opt->setObjectName(QStringLiteral("optOrientation%1").arg(i));
        layout->addWidget(opt);
        optOrientation_.at(i) = opt;
    }
    return frame;
}

QtPrintDestination frmPrnSetup::destination() const {
    QtPrintDestination chosen = destination_;
    chosen.printerName = cboPrinter_->currentData().toString();
    chosen.pageSize = static_cast<QPageSize::PageSizeId>(cboPaper_->currentData().toInt());
    chosen.orientation =
        optOrientation_[1]->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    return chosen;
}

} // namespace vestra
