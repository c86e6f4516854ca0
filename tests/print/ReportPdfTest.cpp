#include "print/ReportPdf.h"

#include "print/PdfText.h"
#include "print/ReportFont.h"
#include "print/ReportLines.h"
#include "print/ReportPages.h"
#include "print/ReportSample.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QtTest>

namespace vestra {

class ReportPdfTest : public QObject {
    Q_OBJECT
private slots:
    void fullWidthCharactersAreTwoColumns();
    void fullDataSetPrintsOnFiveA4Pages();
    void oldFileStaysWhenTheReportFails();
};

void ReportPdfTest::fullWidthCharactersAreTwoColumns() {
    QFont font = ReportFont();
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("IPAGothic"));
    QFontMetricsF metrics(font);
    qreal column = metrics.horizontalAdvance(QStringLiteral("0"));
    QVERIFY(column > 0);
    for (const char* half : {" ", "ｱ", "ﾟ"}) {
        QCOMPARE(metrics.horizontalAdvance(QString::fromUtf8(half)), column);
    }
    for (const char* full : {"あ", "件", "Ｍ"}) {
        QCOMPARE(metrics.horizontalAdvance(QString::fromUtf8(full)), 2 * column);
    }
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("収録No.     収録日時")), 20 * column);
}

void ReportPdfTest::fullDataSetPrintsOnFiveA4Pages() {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("report.pdf"));
    DataStore store = testing::FullSampleStore();
    std::string error;
    QVERIFY(WriteReportPdf(store.currentData, "ﾟC", path.toStdString(), error));
    QVERIFY(error.empty());
    QVERIFY(QFileInfo(path).permission(QFileDevice::ReadOther));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.pdf")});

    // A4 less 5 mm at top and bottom is 287 mm; a 10-point IPAGothic line is 3.80 mm: 75 lines,
    // of which two start the page. 5 header lines and 15 groups of 23 lines make 350.
    auto body = ReportLines(store.currentData, AllPrintOptions(), "ﾟC");
    QCOMPARE(body.size(), std::size_t{350});
    auto expected = PaginateReport(body, true, 75);
    auto pages = testing::PdfPages(path);
    QCOMPARE(pages.size(), std::size_t{5});
    for (std::size_t p = 0; p < pages.size(); ++p) {
        std::vector<QString> lines;
        for (const std::string& line : expected[p].lines) {
            if (!QString::fromStdString(line).simplified().isEmpty()) {
                lines.push_back(QString::fromStdString(line).simplified());
            }
        }
        QCOMPARE(pages[p], lines);
    }
    QCOMPARE(pages[0][0], QStringLiteral("ﾍﾟｰｼﾞ 1"));
    QCOMPARE(pages[4][0], QStringLiteral("ﾍﾟｰｼﾞ 5"));
    QCOMPARE(pages[0][5], QStringLiteral("全収録数 150件"));
    QCOMPARE(pages[4].back(), QStringLiteral("平均値 30.3"));
}

void ReportPdfTest::oldFileStaysWhenTheReportFails() {
    QTemporaryDir dir;
    // A folder where the file should go: the finished report cannot replace it.
    QString path = dir.filePath(QStringLiteral("taken.pdf"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.pdf")));
    std::string error;
    DataStore store = testing::FullSampleStore();
    QVERIFY(!WriteReportPdf(store.currentData, "ﾟC", path.toStdString(), error));
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

} // namespace vestra

QTEST_MAIN(vestra::ReportPdfTest)
#include "ReportPdfTest.moc"
