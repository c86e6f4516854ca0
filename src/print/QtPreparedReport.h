#pragma once

#include "print/QtPrintJob.h"
#include "print/ReportPages.h"

#include <QBuffer>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPdfWriter;

namespace vestra {

// A report ready to be printed: the device of its destination (the printer, or a PDF writer
// that fills a buffer in memory) and its pages for that device's sheet.
class QtPreparedReport {
public:
    // Null after a message: a printer that cannot be reached or a page too small.
    static std::unique_ptr<QtPreparedReport> Prepare(const QtPrintJob& job);
    ~QtPreparedReport();

    QPagedPaintDevice& device();
    const std::vector<ReportPage>& pages() const { return pages_; }
    bool toPdf() const { return writer_ != nullptr; }
    // The PDF as made so far; complete once the run has finished.
    const QByteArray& pdfBytes() const { return buffer_.data(); }

private:
    QtPreparedReport() = default;

    std::unique_ptr<QPagedPaintDevice> printer_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::vector<ReportPage> pages_;
};

} // namespace vestra
