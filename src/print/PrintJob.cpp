#include "print/PrintJob.h"

#include "print/ReportLines.h"
#include "print/ReportPages.h"
#include "print/ReportPrinter.h"
#include "print/frmPrint.h"

namespace vestra {

void StartPrinting(QDialog& from, const PrintJob& job) {
    std::optional<int> linesPerPage = CheckPageCapacity(job.printer, job.messages);
    if (!linesPerPage) {
        return;
    }
    const PrintOptions& options = job.settings.options;
    auto pages = PaginateReport(ReportLines(job.data, options, job.unit), options.printPageNumber,
                                *linesPerPage);
    from.hide();
    frmPrint progress(job.printer, std::move(pages), job.messages, from.parentWidget());
    progress.exec();
}

} // namespace vestra
