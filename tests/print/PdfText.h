#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace vestra::testing {

// A line with its runs of blanks made single: text extraction from a PDF places words by their
// position and does not keep the exact count of blanks between them.
inline QString Squeezed(const QString& line) {
    return line.simplified();
}

inline std::vector<QString> SqueezedLines(const std::vector<std::string>& lines) {
    std::vector<QString> out;
    for (const std::string& line : lines) {
        QString s = Squeezed(QString::fromStdString(line));
        if (!s.isEmpty()) {
            out.push_back(s);
        }
    }
    return out;
}

// The text of each page of a PDF file, read with pdftotext -layout, as squeezed lines without
// the empty ones. Empty when the tool fails.
inline std::vector<std::vector<QString>> PdfPages(const QString& path) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                             QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0) {
        return {};
    }
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(QChar('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) {
        pages.removeLast();
    }
    std::vector<std::vector<QString>> out;
    for (const QString& page : pages) {
        std::vector<QString> lines;
        for (const QString& line : page.split(QChar('\n'))) {
            if (!Squeezed(line).isEmpty()) {
                lines.push_back(Squeezed(line));
            }
        }
        out.push_back(lines);
    }
    return out;
}

} // namespace vestra::testing
