#include "print/QtPreparedReport.h"

#include "print/QtPrinterCheck.h"
#include "print/QtReportPdf.h"
#include "print/QtReportPrinter.h"
#include "print/ReportLines.h"

#include <QPdfWriter>

namespace vestra {

std::unique_ptr<QtPreparedReport> QtPreparedReport::Prepare(const QtPrintJob& job) {
    std::unique_ptr<QtPreparedReport> report(new QtPreparedReport);
    const QtPrintDestination& destination = job.place.destination;
    QString title = ReportTitle(job.data);
    if (destination.isPdf()) {
        report->buffer_.open(QIODevice::WriteOnly);
        report->writer_ = std::make_unique<QPdfWriter>(&report->buffer_);
        SetUpReportPdf(*report->writer_,
                       PdfPageLayout(destination.pageSize, destination.orientation), title);
    } else {
        report->printer_ = job.place.system.openPrinter(destination);
        if (!report->printer_) {
            job.messages.showMessage(PrinterUnusableText(destination.printerName).toStdString(),
                                     MessageIcon::Critical);
            return nullptr;
        }
        if (PrinterControl* printer = PrinterOf(*report->printer_)) {
            printer->setDocumentName(title);
        }
    }
    std::optional<int> linesPerPage = CheckPageCapacity(report->device(), job.messages);
    if (!linesPerPage) {
        return nullptr;
    }
    const PrintOptions& options = job.settings.options;
    report->pages_ = PaginateReport(ReportLines(job.data, options, job.unit),
                                    options.printPageNumber, *linesPerPage);
    return report;
}

QtPreparedReport::~QtPreparedReport() = default;

QPagedPaintDevice& QtPreparedReport::device() {
    if (writer_) {
        return *writer_;
    }
    return *printer_;
}

} // namespace vestra
