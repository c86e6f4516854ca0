#pragma once

#include "shell/MessageSink.h"

#include <QPainter>
#include <QString>
#include <optional>
#include <string>

class QPrinter;

namespace vestra {

// Lines of the report font that fit on a page of the printer.
int PrinterLinesPerPage(QPrinter& printer);

// Lines that fit on a page of the printer in the report font; empty after a message (page too
// small, or a printer that cannot be used).
std::optional<int> CheckPageCapacity(QPrinter& printer, MessageSink& messages);

// Prints the report one line at a time: each line 20 mm from the left edge of the printable
// area, the first line of a page at its top, in the report font.
class ReportPrinter {
public:
    explicit ReportPrinter(QPrinter& printer);
    ~ReportPrinter();
    ReportPrinter(const ReportPrinter&) = delete;
    ReportPrinter& operator=(const ReportPrinter&) = delete;

    // Opens the document on the first call, moves to a new sheet on the others.
    bool startPage();
    bool printLine(const std::string& text);
    // Sends the document to the printer, or throws it away when cancelled.
    void finish(bool cancelled);

    // What went wrong, for the user, after a false result.
    const QString& error() const { return error_; }

private:
    bool fail(const QString& text);

    QPrinter& printer_;
    QPainter painter_;
    int lineCount_ = 0;
    double left_ = 0;
    double lineHeight_ = 0;
    double ascent_ = 0;
    QString error_;
};

} // namespace vestra
