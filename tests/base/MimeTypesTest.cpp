#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

#if !defined(VESTRA_MIME_XML) || !defined(VESTRA_TEST_FILES)
#error "VESTRA_MIME_XML and VESTRA_TEST_FILES must be defined"
#endif

// The shipped file types as a desktop reads them: by extension, and by content for a data file
// whose name has lost its extension.
class MimeTypesTest : public QObject {
    Q_OBJECT

    QTemporaryDir dataHome;

    static QByteArray bytesOf(const QString& name) {
        QFile file(QStringLiteral(VESTRA_TEST_FILES "/") + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase() {
        // Only the shipped file under the test's own data folder, beside Qt's built-in types.
        QVERIFY(QDir(dataHome.path()).mkpath(QStringLiteral("mime/packages")));
        QVERIFY(QFile::copy(QStringLiteral(VESTRA_MIME_XML),
                            dataHome.path() + QStringLiteral("/mime/packages/vestra.xml")));
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        qputenv("XDG_DATA_DIRS", dataHome.path().toLocal8Bit() + "/none");
    }

    void eachFileGetsItsType_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("type");
        const QString celsius = QStringLiteral("application/x-vestra-celsius");
        const QString fahrenheit = QStringLiteral("application/x-vestra-fahrenheit");
        QTest::newRow("qmc") << "plant.qmc"
                             << "fuzz/corpus/data_file/small_celsius.dat" << celsius;
        QTest::newRow("QMF") << "PLANT.QMF"
                             << "fuzz/corpus/data_file/small_fahrenheit.dat" << fahrenheit;
        QTest::newRow("celsius content") << "plant"
                                         << "fuzz/corpus/data_file/small_celsius.dat" << celsius;
        QTest::newRow("fahrenheit content")
            << "plant"
            << "fuzz/corpus/data_file/small_fahrenheit.dat" << fahrenheit;
        QTest::newRow("text report") << "plant"
                                     << "files/expected/small.txt"
                                     << "";
    }
    void eachFileGetsItsType() {
        QFETCH(QString, name);
        QFETCH(QString, content);
        QFETCH(QString, type);
        QByteArray data = bytesOf(content);
        QVERIFY(!data.isEmpty());
        QMimeType found = QMimeDatabase().mimeTypeForFileNameAndData(name, data);
        if (type.isEmpty()) {
            QVERIFY2(!found.name().startsWith(QStringLiteral("application/x-vestra")),
                     qPrintable(found.name()));
        } else {
            QCOMPARE(found.name(), type);
        }
    }
};

QTEST_GUILESS_MAIN(MimeTypesTest)
#include "MimeTypesTest.moc"
