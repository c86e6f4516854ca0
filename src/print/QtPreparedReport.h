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
class PreparedReport {
public:
    // Null after a message: a printer that cannot be reached or a page too small.
    static std::unique_ptr<PreparedReport> Prepare(const PrintJob& job);
    ~PreparedReport();

    QPagedPaintDevice& device();
    const std::vector<ReportPage>& pages() const { return pages_; }
    bool toPdf() const { return writer_ != nullptr; }
    // The PDF as made so far; complete once the run has finished.
    const QByteArray& pdfBytes() const { return buffer_.data(); }

private:
    PreparedReport() = default;

    std::unique_ptr<QPagedPaintDevice> printer_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::vector<ReportPage> pages_;
};

} // namespace vestra
