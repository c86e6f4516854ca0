#include "print/QtReportFont.h"

namespace vestra {

QFont ReportFont() {
    QFont font(QString::fromLatin1(kReportFontFamily), kReportFontPoints);
    font.setStyleHint(QFont::Monospace);
    // Kerning would pull some pairs of half-width characters together and break the columns.
    font.setKerning(false);
    return font;
}

} // namespace vestra
