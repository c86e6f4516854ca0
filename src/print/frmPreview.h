#pragma once

#include "print/ReportPages.h"

#include <QDialog>
#include <QPageLayout>
#include <QPrinter>
#include <vector>

class QPrintPreviewWidget;

namespace vestra {

// The print preview: the very pages of the run, on the sheet of its destination. 印刷実行
// accepts the dialog (the caller then prints); 閉じる or Esc rejects it and nothing is printed.
class frmPreview : public QDialog {
    Q_OBJECT
public:
    frmPreview(const QPageLayout& layout, const std::vector<ReportPage>& pages,
               QWidget* parent = nullptr);

    // Pages shown, once the preview has been drawn.
    int pageCount() const;

private slots:
    void paintPages(QPrinter* printer);

private:
    QWidget* buttonRow();

    const std::vector<ReportPage>& pages_;
    // Only measured and drawn on by the preview, never sent anywhere: a PDF printer has the
    // same sheet on every machine, whatever printers it has.
    QPrinter sheet_;
    QPrintPreviewWidget* view_;
};

} // namespace vestra
