#include "print/ReportPdf.h"

#include "print/ReportLines.h"
#include "print/ReportPages.h"
#include "print/ReportPrinter.h"

#include <QDir>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryFile>
#include <cstdio>

namespace vestra {
namespace {

// What an office printer cannot reach at the edges of an A4 sheet.
constexpr double kSheetMarginMm = 5.0;

bool printPages(QPrinter& printer, const std::vector<ReportPage>& pages, std::string& error) {
    ReportPrinter out(printer);
    bool ok = true;
    for (const ReportPage& page : pages) {
        ok = ok && out.startPage();
        for (const std::string& line : page.lines) {
            ok = ok && out.printLine(line);
        }
    }
    if (!ok) {
        error = out.error().toStdString();
    }
    out.finish(false);
    return ok;
}

} // namespace

bool WriteReportPdf(const DataSet& data, std::string_view unit, const std::string& path,
                    std::string& error) {
    QFileInfo target(QString::fromStdString(path));
    QTemporaryFile part(target.absoluteDir().filePath(QStringLiteral(".report-XXXXXX.pdf")));
    if (!part.open()) {
        error = "cannot create a file in " + target.absolutePath().toStdString();
        return false;
    }
    part.close();

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(part.fileName());
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(kSheetMarginMm, kSheetMarginMm, kSheetMarginMm, kSheetMarginMm),
                    QPageLayout::Millimeter));
    PrintOptions options = AllPrintOptions();
    int linesPerPage = PrinterLinesPerPage(printer);
    if (linesPerPage < kMinLinesPerPage) {
        error = "the page holds too few lines";
        return false;
    }
    auto pages = PaginateReport(ReportLines(data, options, unit), true, linesPerPage);
    if (!printPages(printer, pages, error)) {
        return false;
    }
    // A temporary file is private to its owner; the report is an ordinary document.
    part.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    if (std::rename(part.fileName().toLocal8Bit().constData(), path.c_str()) != 0) {
        error = "cannot write " + path;
        return false;
    }
    part.setAutoRemove(false);
    return true;
}

} // namespace vestra
