#include "print/QtReportPdf.h"

#include "base/AboutText.h"
#include "base/AppInfo.h"
#include "base/AtomicFile.h"
#include "print/QtPrintDestination.h"
#include "print/QtReportPrinter.h"
#include "print/ReportLines.h"

#include <QBuffer>
#include <QPdfWriter>

namespace vestra {

QString ReportTitle(const DataSet& data) {
    QString title = QString::fromUtf8(kAppTitle);
    if (!data.subject.empty()) {
        title += QLatin1Char(' ') + QString::fromStdString(data.subject);
    }
    return title;
}

void SetUpReportPdf(QPdfWriter& writer, const QPageLayout& layout, const QString& title) {
    writer.setPageLayout(layout);
    writer.setTitle(title);
    writer.setCreator(QString::fromUtf8(kProductName) + QLatin1Char(' ') +
                      QString::fromStdString(VersionNumberText()));
}

QByteArray RenderReportPdf(const std::vector<ReportPage>& pages, const QPageLayout& layout,
                           const QString& title, std::string& error) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        SetUpReportPdf(writer, layout, title);
        QString failure;
        if (!PrintPages(writer, pages, failure)) {
            error = failure.toStdString();
            return {};
        }
    }
    return buffer.data();
}

QByteArray ReportPdfBytes(const DataSet& data, TemperatureUnit unit, ReportPaper paper,
                          std::string& error) {
    QPageLayout layout = PdfPageLayout(PageSizeOf(paper), QPageLayout::Portrait);
    int linesPerPage = 0;
    {
        QBuffer probe;
        probe.open(QIODevice::WriteOnly);
        QPdfWriter writer(&probe);
        writer.setPageLayout(layout);
        linesPerPage = PrinterLinesPerPage(writer);
    }
    PrintOptions options = AllPrintOptions();
    auto pages = PaginateReport(ReportLines(data, options, unit), true, linesPerPage);
    return RenderReportPdf(pages, layout, ReportTitle(data), error);
}

bool WriteReportPdf(const DataSet& data, TemperatureUnit unit, ReportPaper paper,
                    const std::string& path, std::string& error) {
    QByteArray bytes = ReportPdfBytes(data, unit, paper, error);
    if (bytes.isEmpty()) {
        return false;
    }
    Expected<void> written =
        WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size()));
    if (!written) {
        error = written.error().text;
    }
    return written.has_value();
}

} // namespace vestra
