#include "print/frmPreview.h"

#include "base/AppInfo.h"
#include "print/QtReportPrinter.h"
#include "window/QtWindowFit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

namespace vestra {
namespace {

// Each click on 拡大 or 縮小 scales the sheet by this much.
constexpr double kZoomStep = 1.25;

} // namespace

frmPreview::frmPreview(const QPageLayout& layout, const std::vector<ReportPage>& pages,
                       PrintSystem& system, QWidget* parent)
    : QDialog(parent), pages_(pages) {
    setWindowTitle(QString::fromUtf8(kAppTitle) + QStringLiteral(" 印刷ﾌﾟﾚﾋﾞｭｰ"));
    // A preview has nobody to tell of a failure; the pages drawn so far are what it shows.
    auto paint = [this](QPagedPaintDevice& sheet) {
        QString ignored;
        PrintPages(sheet, pages_, ignored);
    };
    QString reason;
    view_ = system.createPreview(layout, paint, this, reason);
    QWidget* shown = view_ ? view_->widget() : nullptr;
    if (shown == nullptr) {
        auto* why = new QLabel(QStringLiteral("プレビューを表示できません。\n") + reason, this);
        why->setObjectName(QStringLiteral("lblNoPreview"));
        why->setAlignment(Qt::AlignCenter);
        why->setWordWrap(true);
        shown = why;
    } else {
        shown->setObjectName(QStringLiteral("preview"));
    }
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addWidget(shown, 1);
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
        {"cmdZoomIn", "拡大", [this] { zoom(true); }},
        {"cmdZoomOut", "縮小", [this] { zoom(false); }},
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
    return view_ ? view_->pageCount() : 0;
}

void frmPreview::zoom(bool in) {
    if (!view_) {
        return;
    }
    if (in) {
        view_->zoomIn(kZoomStep);
    } else {
        view_->zoomOut(kZoomStep);
    }
}

} // namespace vestra
