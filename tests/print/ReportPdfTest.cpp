#include "print/PdfText.h"
#include "print/QtReportFont.h"
#include "print/QtReportPdf.h"
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
    void textStaysInsideThePrintableArea_data();
    void textStaysInsideThePrintableArea();
    void documentCarriesTitleCreatorAndItsFonts();
    void titleIsTheProgramThenTheSubject_data();
    void titleIsTheProgramThenTheSubject();
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
    QVERIFY(WriteReportPdf(store.currentData, TemperatureUnit::Celsius, ReportPaper::A4,
                           path.toStdString(), error));
    QVERIFY2(error.empty(), error.c_str());
    QVERIFY(QFileInfo(path).permission(QFileDevice::ReadOther));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.pdf")});

    // A4 less 11 mm at top and bottom is 275 mm; a 10-point IPAGothic line is 3.80 mm: 72
    // lines, of which two start the page. 5 header lines and 15 groups of 23 lines make 350.
    auto body = ReportLines(store.currentData, AllPrintOptions(), TemperatureUnit::Celsius);
    QCOMPARE(body.size(), std::size_t{350});
    auto expected = PaginateReport(body, true, 72);
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

void ReportPdfTest::textStaysInsideThePrintableArea_data() {
    QTest::addColumn<ReportPaper>("paper");
    QTest::addColumn<QSizeF>("sheet"); // in whole points, as the PDF gives them
    QTest::addColumn<int>("pageCount");
    // 275 mm hold 72 lines, 257.4 mm 67, of which two start each page: 350 lines of the body
    // fill 5 A4 pages and spill onto a sixth Letter page.
    QTest::newRow("A4") << ReportPaper::A4 << QSizeF(595, 842) << 5;
    QTest::newRow("Letter") << ReportPaper::Letter << QSizeF(612, 792) << 6;
}

// What an office printer prints: nothing within 10 mm of the top and bottom edges, and every
// line 20 mm in from the 11 mm border on the left.
void ReportPdfTest::textStaysInsideThePrintableArea() {
    QFETCH(ReportPaper, paper);
    QFETCH(QSizeF, sheet);
    QFETCH(int, pageCount);
    constexpr double kPointsPerMm = 72 / 25.4;
    constexpr double kTolerance = 0.1; // mm: pdftotext measures words by their glyphs
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("report.pdf"));
    std::string error;
    QVERIFY(WriteReportPdf(testing::FullSampleStore().currentData, TemperatureUnit::Celsius, paper,
                           path.toStdString(), error));
    auto pages = testing::PdfWordBoxes(path);
    QCOMPARE(pages.size(), std::size_t(pageCount));
    for (const auto& page : pages) {
        QCOMPARE(QSizeF(page.width, page.height), sheet);
        QVERIFY(!page.words.empty());
        double top = page.height, bottom = 0, left = page.width;
        for (const auto& word : page.words) {
            top = std::min(top, word.yMin);
            bottom = std::max(bottom, word.yMax);
            left = std::min(left, word.xMin);
        }
        QVERIFY2(top >= 10 * kPointsPerMm, qPrintable(QString::number(top / kPointsPerMm)));
        QVERIFY2(page.height - bottom >= 10 * kPointsPerMm,
                 qPrintable(QString::number((page.height - bottom) / kPointsPerMm)));
        QVERIFY2(std::abs(left - 31 * kPointsPerMm) < kTolerance * kPointsPerMm,
                 qPrintable(QString::number(left / kPointsPerMm)));
    }
}

void ReportPdfTest::documentCarriesTitleCreatorAndItsFonts() {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("report.pdf"));
    std::string error;
    DataStore store = testing::FullSampleStore();
    QVERIFY(WriteReportPdf(store.currentData, TemperatureUnit::Celsius, ReportPaper::A4,
                           path.toStdString(), error));
    QCOMPARE(testing::PdfInfo(path, QStringLiteral("Title")),
             QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ ライン点検"));
    QCOMPARE(testing::PdfInfo(path, QStringLiteral("Creator")),
             QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ ﾊﾞｰｼﾞｮﾝ 2.00"));
    std::vector<bool> embedded = testing::PdfFontsEmbedded(path);
    QVERIFY(!embedded.empty());
    QCOMPARE(embedded, std::vector<bool>(embedded.size(), true));
}

void ReportPdfTest::titleIsTheProgramThenTheSubject_data() {
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("title");
    QTest::newRow("subject") << QStringLiteral("炉壁 月例")
                             << QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ 炉壁 月例");
    QTest::newRow("none") << QString() << QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄ");
}

void ReportPdfTest::titleIsTheProgramThenTheSubject() {
    QFETCH(QString, subject);
    QFETCH(QString, title);
    DataSet data;
    data.subject = subject.toStdString();
    QCOMPARE(ReportTitle(data), title);
}

void ReportPdfTest::oldFileStaysWhenTheReportFails() {
    QTemporaryDir dir;
    // A folder where the file should go: the finished report cannot replace it.
    QString path = dir.filePath(QStringLiteral("taken.pdf"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.pdf")));
    std::string error;
    DataStore store = testing::FullSampleStore();
    QVERIFY(!WriteReportPdf(store.currentData, TemperatureUnit::Celsius, ReportPaper::A4,
                            path.toStdString(), error));
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

} // namespace vestra

QTEST_MAIN(vestra::ReportPdfTest)
#include "ReportPdfTest.moc"
