#pragma once

#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "print/ReportPages.h"
#include "print/ReportPaper.h"

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

class QPdfWriter;

namespace vestra {

// The title a report's PDF carries: the program's title, then the data's subject.
QString ReportTitle(const DataSet& data);

// Sets up a PDF writer for a report: the sheet, the title, the program as creator.
void SetUpReportPdf(QPdfWriter& writer, const QPageLayout& layout, const QString& title);

// The pages, printed in the report font into a PDF of that layout and title. Empty with a
// description in error when the PDF could not be made.
QByteArray RenderReportPdf(const std::vector<ReportPage>& pages, const QPageLayout& layout,
                           const QString& title, std::string& error);

// The printed report of data, with every element and all 15 groups, as the bytes of a PDF laid
// out as the window's PDF destination lays it out. Empty with a description in error when the
// PDF could not be made. Needs a QGuiApplication, as WriteReportPdf does.
QByteArray ReportPdfBytes(const DataSet& data, TemperatureUnit unit, ReportPaper paper,
                          std::string& error);

// Writes the printed report of data, with every element and all 15 groups, as a PDF file laid
// out as the window's PDF destination lays it out. The file is replaced only when complete; an
// old file of that name stays otherwise. False with a description in error when the file
// cannot be written. Needs a QGuiApplication (or QApplication) for the fonts; without a
// display, run it with QT_QPA_PLATFORM=offscreen.
bool WriteReportPdf(const DataSet& data, TemperatureUnit unit, ReportPaper paper,
                    const std::string& path, std::string& error);

} // namespace vestra
