#include "print/QtPrintJob.h"

#include "base/AtomicFile.h"
#include "base/VisibleText.h"
#include "files/FileErrors.h"
#include "print/PdfFileChoice.h"
#include "print/QtPreparedReport.h"
#include "print/frmPreview.h"
#include "print/frmPrint.h"

#include <QDialog>
#include <QPagedPaintDevice>

namespace vestra {
namespace {

// The PDF reaches its file only complete: the old file stays on any failure.
void deliverPdf(const QtPreparedReport& report, const std::string& path, OutputPlace& outputs,
                MessageSink& messages) {
    const QByteArray& bytes = report.pdfBytes();
    Expected<void> written =
        WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size()));
    if (!written) {
        ShowSaveError(messages, path, written.error().text);
        return;
    }
    outputs.written(path);
    messages.showMessage("PDFファイルを出力しました。\n" + VisibleText(path),
                         MessageIcon::Information);
}

void runPrepared(QDialog& from, const QtPrintJob& job, QtPreparedReport& report) {
    const QtPrintPlace& place = job.place;
    if (report.toPdf() && !ChoosePdfFile(place.fileDialogs, place.destination.lastPdfPath,
                                         place.currentFilePath, job.messages)) {
        return;
    }
    from.hide();
    frmPrint progress(report.device(), report.pages(), job.messages, from.parentWidget());
    progress.exec();
    if (report.toPdf() && progress.outcome() == frmPrint::Outcome::Completed) {
        deliverPdf(report, place.destination.lastPdfPath, place.outputs, job.messages);
    }
}

} // namespace

void StartPrinting(QDialog& from, const QtPrintJob& job) {
    if (std::unique_ptr<QtPreparedReport> report = QtPreparedReport::Prepare(job)) {
        runPrepared(from, job, *report);
    }
}

bool StartPreview(QDialog& from, const QtPrintJob& job) {
    std::unique_ptr<QtPreparedReport> report = QtPreparedReport::Prepare(job);
    if (!report) {
        return false;
    }
    frmPreview preview(report->device().pageLayout(), report->pages(), job.place.system, &from);
    if (preview.exec() != QDialog::Accepted) {
        return false;
    }
    runPrepared(from, job, *report);
    return true;
}

} // namespace vestra
