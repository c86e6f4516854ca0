#pragma once

#include "print/QtPrintSystem.h"
#include "print/ReportPages.h"

#include <QDialog>
#include <QPageLayout>
#include <memory>
#include <vector>

namespace vestra {

// The print preview: the very pages of the run, on the sheet of its destination, in the print
// system's view. 印刷実行 accepts the dialog (the caller then prints); 閉じる or Esc rejects it
// and nothing is printed. Without a view its place says why, and printing stays possible.
class frmPreview : public QDialog {
    Q_OBJECT
public:
    frmPreview(const QPageLayout& layout, const std::vector<ReportPage>& pages, PrintSystem& system,
               QWidget* parent = nullptr);

    // Pages shown, once the preview has been drawn.
    int pageCount() const;

private:
    QWidget* buttonRow();
    void zoom(bool in);

    const std::vector<ReportPage>& pages_;
    std::unique_ptr<PagePreview> view_;
};

} // namespace vestra
