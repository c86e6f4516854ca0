#include "print/frmPrint.h"

#include "base/AppInfo.h"
#include "print/QtReportPrinter.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vestra {
namespace {

// Enough passes for a click on 中止 to be delivered between two lines.
constexpr int kEventPassesPerLine = 5;

} // namespace

frmPrint::frmPrint(QPagedPaintDevice& device, std::vector<ReportPage> pages, MessageSink& messages,
                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), device_(device),
      pages_(std::move(pages)), messages_(messages),
      cmdCancel_(new QPushButton(QStringLiteral("中止"), this)), tmrStart_(new QTimer(this)) {
    setWindowTitle(QString::fromUtf8(kAppTitle) + QStringLiteral(" 印刷"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("印刷中 ..."), this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    layout->addWidget(cmdCancel_, 0, Qt::AlignCenter);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdCancel_, &QPushButton::clicked, this, &frmPrint::cmdCancel_Click);

    tmrStart_->setSingleShot(true);
    tmrStart_->setInterval(1);
    connect(tmrStart_, &QTimer::timeout, this, &frmPrint::tmrStart_Timer);
    tmrStart_->start();
}

void frmPrint::cmdCancel_Click() {
    keepPrinting_ = false;
}

void frmPrint::reject() {
    if (outcome_ == Outcome::Pending) {
        cmdCancel_Click();
        return;
    }
    QDialog::reject();
}

void frmPrint::closeEvent(QCloseEvent* event) {
    if (outcome_ == Outcome::Pending) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

bool frmPrint::printLine(QtReportPrinter& out, const std::string& text) {
    bool ok = out.printLine(text);
    linesPrinted_ += ok ? 1 : 0;
    for (int i = 0; i < kEventPassesPerLine; ++i) {
        QCoreApplication::processEvents();
    }
    return ok;
}

void frmPrint::tmrStart_Timer() {
    keepPrinting_ = true;
    QtReportPrinter out(device_);
    bool ok = true;
    for (auto page = pages_.begin(); ok && keepPrinting_ && page != pages_.end(); ++page) {
        ok = out.startPage();
        for (auto line = page->lines.begin(); ok && keepPrinting_ && line != page->lines.end();
             ++line) {
            ok = printLine(out, *line);
        }
    }
    if (!ok) {
        messages_.showMessage(out.error().toStdString(), MessageIcon::Critical);
    }
    out.finish(!keepPrinting_);
    outcome_ = !keepPrinting_ ? Outcome::Cancelled : ok ? Outcome::Completed : Outcome::Failed;
    accept();
}

} // namespace vestra
