#include "print/QtReportPrinter.h"

#include "print/QtPrintDestination.h"
#include "print/QtPrintSystem.h"
#include "print/QtPrinterCheck.h"
#include "print/QtReportFont.h"
#include "print/ReportPages.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

namespace vestra {
namespace {

constexpr double kLeftMarginMm = 20.0;
constexpr double kMmPerInch = 25.4;

double printableHeight(const QPagedPaintDevice& device) {
    return device.pageLayout().paintRectPixels(device.logicalDpiY()).height();
}

bool inError(QPagedPaintDevice& device) {
    PrinterControl* printer = PrinterOf(device);
    return printer != nullptr && printer->inError();
}

QString deviceName(QPagedPaintDevice& device) {
    PrinterControl* printer = PrinterOf(device);
    return printer != nullptr ? printer->printerName() : QString::fromUtf8(kPdfDestinationName);
}

} // namespace

int PrinterLinesPerPage(QPagedPaintDevice& device) {
    // Every line of the report advances by the font's line spacing, whatever its text.
    QFontMetricsF metrics(ReportFont(), &device);
    return LinesPerPage(printableHeight(device), metrics.lineSpacing());
}

std::optional<int> CheckPageCapacity(QPagedPaintDevice& device, MessageSink& messages) {
    if (inError(device)) {
        messages.showMessage(PrinterUnusableText(deviceName(device)).toStdString(),
                             MessageIcon::Critical);
        return std::nullopt;
    }
    int lines = PrinterLinesPerPage(device);
    if (!CheckLinesPerPage(lines, messages)) {
        return std::nullopt;
    }
    return lines;
}

QtReportPrinter::QtReportPrinter(QPagedPaintDevice& device) : device_(device) {}

QtReportPrinter::~QtReportPrinter() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

bool QtReportPrinter::fail(const QString& text) {
    error_ = text;
    return false;
}

bool QtReportPrinter::startPage() {
    lineCount_ = 0;
    if (painter_.isActive()) {
        return device_.newPage() ? true : fail(QStringLiteral("改ページできませんでした。"));
    }
    if (!painter_.begin(&device_)) {
        return fail(PrinterUnusableText(deviceName(device_)));
    }
    painter_.setFont(ReportFont());
    QFontMetricsF metrics(painter_.font(), &device_);
    lineHeight_ = metrics.lineSpacing();
    ascent_ = metrics.ascent();
    left_ = kLeftMarginMm * device_.logicalDpiX() / kMmPerInch;
    return true;
}

bool QtReportPrinter::printLine(const std::string& text) {
    double baseline = lineCount_ * lineHeight_ + ascent_;
    ++lineCount_;
    painter_.drawText(QPointF(left_, baseline), QString::fromStdString(text));
    if (inError(device_)) {
        return fail(QStringLiteral("印刷中にプリンタでエラーが発生しました。"));
    }
    return true;
}

void QtReportPrinter::finish(bool cancelled) {
    if (!painter_.isActive()) {
        return;
    }
    // Only a printer has a job to throw away; a PDF writer fills its buffer.
    if (PrinterControl* printer = PrinterOf(device_); cancelled && printer != nullptr) {
        printer->abortJob();
    }
    painter_.end();
}

bool PrintPages(QPagedPaintDevice& device, const std::vector<ReportPage>& pages, QString& error) {
    QtReportPrinter out(device);
    bool ok = true;
    for (auto page = pages.begin(); ok && page != pages.end(); ++page) {
        ok = out.startPage();
        for (auto line = page->lines.begin(); ok && line != page->lines.end(); ++line) {
            ok = out.printLine(*line);
        }
    }
    out.finish(false);
    error = out.error();
    return ok;
}

} // namespace vestra
