#pragma once

#include "print/ReportPaper.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <string>

namespace vestra {

// Where the report goes: a printer of the system, or a PDF file that is asked for at each run.
// The PDF destination always exists, so a report can be had on a machine without printers.
struct QtPrintDestination {
    QString printerName; // empty: the PDF file
    QPageSize::PageSizeId pageSize = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::string lastPdfPath; // the file the last PDF report went to

    bool isPdf() const { return printerName.isEmpty(); }
};

// The name the print dialogs show for the destination.
QString DestinationName(const QtPrintDestination& destination);

// What the print menu shows when there is no printer.
inline constexpr const char* kPdfDestinationName = "PDFファイル";

QPageSize::PageSizeId PageSizeOf(ReportPaper paper);

// The sheet of a PDF report: the paper with a border of 11 mm all round that no text enters,
// because a PDF has no unprintable border of its own and an office printer cannot reach the
// edges of the sheet. Every line starts 20 mm further in, as on a printer's printable area.
QPageLayout PdfPageLayout(QPageSize::PageSizeId pageSize, QPageLayout::Orientation orientation);

} // namespace vestra
