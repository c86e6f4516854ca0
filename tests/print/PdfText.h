#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

namespace vestra::testing {

// The standard output of a poppler tool run on a PDF file; empty when the tool fails.
inline QString PdfToolOutput(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The value of one field of pdfinfo ("Title", "Creator", "Page size").
inline QString PdfInfo(const QString& path, const QString& field) {
    for (const QString& line : PdfToolOutput(QStringLiteral("pdfinfo"), {path}).split('\n')) {
        if (line.startsWith(field + QLatin1Char(':'))) {
            return line.mid(field.size() + 1).trimmed();
        }
    }
    return {};
}

// Whether each font of the file is embedded, as pdffonts lists them.
inline std::vector<bool> PdfFontsEmbedded(const QString& path) {
    std::vector<bool> embedded;
    QStringList lines = PdfToolOutput(QStringLiteral("pdffonts"), {path}).split('\n');
    for (qsizetype i = 2; i < lines.size(); ++i) { // after the heading and its rule
        QStringList columns = lines[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (columns.size() >= 6) {
            embedded.push_back(columns[columns.size() - 5] == QStringLiteral("yes"));
        }
    }
    return embedded;
}

// One word as pdftotext -bbox places it, in points from the top left corner of its page.
struct PdfWord {
    double xMin, yMin, xMax, yMax;
};

struct PdfPageWords {
    double width = 0, height = 0;
    std::vector<PdfWord> words;
};

inline std::vector<PdfPageWords> PdfWordBoxes(const QString& path) {
    QString html = PdfToolOutput(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const char pattern[] =
        R"re(<page width="([\d.]+)" height="([\d.]+)">)re"
        R"re(|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">)re";
    static const QRegularExpression tag(QString::fromLatin1(pattern));
    std::vector<PdfPageWords> pages;
    for (auto match = tag.globalMatch(html); match.hasNext();) {
        auto m = match.next();
        if (!m.captured(1).isEmpty()) {
            pages.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), {}});
        } else if (!pages.empty()) {
            pages.back().words.push_back({m.captured(3).toDouble(), m.captured(4).toDouble(),
                                          m.captured(5).toDouble(), m.captured(6).toDouble()});
        }
    }
    return pages;
}

// The text of each page of a PDF file, read with pdftotext -layout, without empty lines and
// with runs of blanks made single: the tool places words by their position and does not keep
// the exact count of blanks between them. Empty when the tool fails.
inline std::vector<std::vector<QString>> PdfPages(const QString& path) {
    QString text = PdfToolOutput(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                  QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (text.isEmpty()) {
        return {};
    }
    QStringList pages = text.split(QChar('\f'));
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
