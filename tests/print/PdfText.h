#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <vector>

namespace vestra::testing {

// The text of each page of a PDF file, read with pdftotext -layout, without empty lines and
// with runs of blanks made single: the tool places words by their position and does not keep
// the exact count of blanks between them. Empty when the tool fails.
inline std::vector<std::vector<QString>> PdfPages(const QString& path) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                             QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0) {
        return {};
    }
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(QChar('\f'));
    pages.removeLast(); // after the last form feed
    std::vector<std::vector<QString>> out(static_cast<std::size_t>(pages.size()));
    for (qsizetype p = 0; p < pages.size(); ++p) {
        for (const QString& line : pages[p].split(QChar('\n'), Qt::SkipEmptyParts)) {
            if (!line.simplified().isEmpty()) {
                out[static_cast<std::size_t>(p)].push_back(line.simplified());
            }
        }
    }
    return out;
}

} // namespace vestra::testing
