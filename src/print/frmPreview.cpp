#include "print/frmPreview.h"

#include "data/QtWindowFit.h"
#include "print/QtReportPrinter.h"
#include "shell/AppInfo.h"

#include <QHBoxLayout>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

namespace vestra {
namespace {

// Each click on 拡大 or 縮小 scales the sheet by this much.
constexpr double kZoomStep = 1.25;

} // namespace

frmPreview::frmPreview(const QPageLayout& layout, const std::vector<ReportPage>& pages,
                       QWidget* parent)
    : QDialog(parent), pages_(pages), sheet_(QPrinter::HighResolution) {
    setWindowTitle(QString::fromUtf8(kAppTitle) + QStringLiteral(" 印刷ﾌﾟﾚﾋﾞｭｰ"));
    sheet_.setOutputFormat(QPrinter::PdfFormat);
    sheet_.setPageLayout(layout);
    view_ = new QPrintPreviewWidget(&sheet_, this);
    view_->setObjectName(QStringLiteral("preview"));
    connect(view_, &QPrintPreviewWidget::paintRequested, this, &frmPreview::paintPages);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addWidget(view_, 1);
    layoutBox->addWidget(buttonRow());
    ResizeWithinScreen(*this, QSize(720, 900));
}

QWidget* frmPreview::buttonRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    struct Button {
        const char* name;
        const char* caption;
        std::function<void()> action;
    };
    const Button buttons[] = {
        {"cmdZoomIn", "拡大", [this] { view_->zoomIn(kZoomStep); }},
        {"cmdZoomOut", "縮小", [this] { view_->zoomOut(kZoomStep); }},
        {"cmdOK", "印刷実行", [this] { accept(); }},
        {"cmdCancel", "閉じる", [this] { reject(); }},
    };
    layout->addStretch();
    for (const Button& button : buttons) {
        auto* b = new QPushButton(QString::fromUtf8(button.caption), row);
        b->setObjectName(QString::fromLatin1(button.name));
        b->setAutoDefault(false);
        layout->addWidget(b);
        connect(b, &QPushButton::clicked, this, button.action);
    }
    return row;
}

int frmPreview::pageCount() const {
    return view_->pageCount();
}

// A preview has nobody to tell of a failure; the pages drawn so far are what it shows.
void frmPreview::paintPages(QPrinter* printer) {
    QString ignored;
    PrintPages(*printer, pages_, ignored);
}

} // namespace vestra
