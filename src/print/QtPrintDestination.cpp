#include "print/QtPrintDestination.h"

#include <QMarginsF>

namespace vestra {
namespace {

// Office printers leave at most 10 mm unprinted at the edges of the sheet; one more millimetre
// keeps the tallest glyphs of the first line, which reach above the line's own height, clear.
constexpr double kPdfBorderMm = 11.0;

} // namespace

QString DestinationName(const QtPrintDestination& destination) {
    return destination.isPdf() ? QString::fromUtf8(kPdfDestinationName) : destination.printerName;
}

QPageSize::PageSizeId PageSizeOf(ReportPaper paper) {
    return paper == ReportPaper::Letter ? QPageSize::Letter : QPageSize::A4;
}

QPageLayout PdfPageLayout(QPageSize::PageSizeId pageSize, QPageLayout::Orientation orientation) {
    return QPageLayout(QPageSize(pageSize), orientation,
                       QMarginsF(kPdfBorderMm, kPdfBorderMm, kPdfBorderMm, kPdfBorderMm),
                       QPageLayout::Millimeter);
}

} // namespace vestra
