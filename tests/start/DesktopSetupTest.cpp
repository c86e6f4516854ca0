#include "start/QtDesktopSetup.h"

#include <QApplication>
#include <QFileDialog>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace vestra;

namespace {

bool hasJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.script() == QChar::Script_Hiragana || c.script() == QChar::Script_Katakana ||
               c.script() == QChar::Script_Han;
    });
}

} // namespace

// The application as an installed desktop program: Japanese standard dialogs whatever the
// locale of the machine, and its own icon.
class DesktopSetupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The machine's locale must not matter: start from an English one.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        SetUpDesktopApplication(*qApp);
    }

    void standardButtonsSpeakJapanese_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("Yes") << int(QMessageBox::Yes);
        QTest::newRow("No") << int(QMessageBox::No);
        QTest::newRow("Close") << int(QMessageBox::Close);
        QTest::newRow("Cancel") << int(QMessageBox::Cancel);
    }
    void standardButtonsSpeakJapanese() {
        QFETCH(int, button);
        QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"),
                        QMessageBox::StandardButton(button));
        QString text = box.button(QMessageBox::StandardButton(button))->text();
        QVERIFY2(hasJapanese(text), qPrintable(text));
    }

    void fileDialogsAreQtsOwnInJapanese() {
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs));
        QCOMPARE(QLocale().language(), QLocale::Japanese);
        QFileDialog dialog;
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        QString accept = dialog.labelText(QFileDialog::Accept);
        QVERIFY2(hasJapanese(accept), qPrintable(accept));
    }

    void theWindowIconIsTheDesktopEntrysIcon() {
        QIcon icon = QApplication::windowIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(!icon.pixmap(64, 64).isNull());
        QCOMPARE(QGuiApplication::desktopFileName(), QString::fromLatin1(kDesktopAppId));
    }
};

QTEST_MAIN(DesktopSetupTest)
#include "DesktopSetupTest.moc"
