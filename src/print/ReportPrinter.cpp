#include "print/ReportPrinter.h"

#include "print/PrinterCheck.h"
#include "print/ReportFont.h"
#include "print/ReportPages.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>

namespace vestra {
namespace {

constexpr double kLeftMarginMm = 20.0;
constexpr double kMmPerInch = 25.4;

double printableHeight(const QPrinter& printer) {
    return printer.pageLayout().paintRectPixels(printer.resolution()).height();
}

} // namespace

int PrinterLinesPerPage(QPrinter& printer) {
    // Every line of the report advances by the font's line spacing, whatever its text.
    QFontMetricsF metrics(ReportFont(), &printer);
    return LinesPerPage(printableHeight(printer), metrics.lineSpacing());
}

std::optional<int> CheckPageCapacity(QPrinter& printer, MessageSink& messages) {
    if (!printer.isValid() || printer.printerState() == QPrinter::Error) {
        messages.showMessage(PrinterUnusableText(printer).toStdString(), MessageIcon::Critical);
        return std::nullopt;
    }
    int lines = PrinterLinesPerPage(printer);
    if (!CheckLinesPerPage(lines, messages)) {
        return std::nullopt;
    }
    return lines;
}

ReportPrinter::ReportPrinter(QPrinter& printer) : printer_(printer) {}

ReportPrinter::~ReportPrinter() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

bool ReportPrinter::fail(const QString& text) {
    error_ = text;
    return false;
}

bool ReportPrinter::startPage() {
    lineCount_ = 0;
    if (painter_.isActive()) {
        return printer_.newPage() ? true : fail(QStringLiteral("改ページできませんでした。"));
    }
    if (!painter_.begin(&printer_)) {
        return fail(PrinterUnusableText(printer_));
    }
    painter_.setFont(ReportFont());
    QFontMetricsF metrics(painter_.font(), &printer_);
    lineHeight_ = metrics.lineSpacing();
    ascent_ = metrics.ascent();
    left_ = kLeftMarginMm * printer_.resolution() / kMmPerInch;
    return true;
}

bool ReportPrinter::printLine(const std::string& text) {
    double baseline = lineCount_ * lineHeight_ + ascent_;
    ++lineCount_;
    painter_.drawText(QPointF(left_, baseline), QString::fromStdString(text));
    if (printer_.printerState() == QPrinter::Error) {
        return fail(QStringLiteral("印刷中にプリンタでエラーが発生しました。"));
    }
    return true;
}

void ReportPrinter::finish(bool cancelled) {
    if (!painter_.isActive()) {
        return;
    }
    bool aborted = cancelled && printer_.abort();
    painter_.end();
    // The PDF back end cannot abort; a cancelled file must not stay behind as if complete.
    if (cancelled && !aborted && printer_.outputFormat() == QPrinter::PdfFormat &&
        !printer_.outputFileName().isEmpty()) {
        QFile::remove(printer_.outputFileName());
    }
}

} // namespace vestra
