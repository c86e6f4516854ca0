#pragma once

#include "base/MessageSink.h"
#include "print/ReportPages.h"

#include <QPainter>
#include <QString>
#include <optional>
#include <string>
#include <vector>

class QPagedPaintDevice;

namespace vestra {

// Lines of the report font that fit on a page of the device (a printer or a PDF writer).
int PrinterLinesPerPage(QPagedPaintDevice& device);

// Lines that fit on a page of the device in the report font; empty after a message (page too
// small, or a printer that cannot be used).
std::optional<int> CheckPageCapacity(QPagedPaintDevice& device, MessageSink& messages);

// Prints the report one line at a time: each line 20 mm from the left edge of the printable
// area, the first line of a page at its top, in the report font.
class QtReportPrinter {
public:
    explicit QtReportPrinter(QPagedPaintDevice& device);
    ~QtReportPrinter();
    QtReportPrinter(const QtReportPrinter&) = delete;
    QtReportPrinter& operator=(const QtReportPrinter&) = delete;

    // Opens the document on the first call, moves to a new sheet on the others.
    bool startPage();
    bool printLine(const std::string& text);
    // Sends the document to the printer, or throws it away when cancelled.
    void finish(bool cancelled);

    // What went wrong, for the user, after a false result.
    const QString& error() const { return error_; }

private:
    bool fail(const QString& text);

    QPagedPaintDevice& device_;
    QPainter painter_;
    int lineCount_ = 0;
    double left_ = 0;
    double lineHeight_ = 0;
    double ascent_ = 0;
    QString error_;
};

// Prints every page in one go onto the device, for a run without a progress window. False
// after the first failure, with its description in error.
bool PrintPages(QPagedPaintDevice& device, const std::vector<ReportPage>& pages, QString& error);

} // namespace vestra
