#include "files/TempFolder.h"
#include "session/QtAppSession.h"
#include "start/QtAppStyle.h"
#include "start/QtDesktopSetup.h"
#include "start/StartupSettings.h"
#include "start/frmSplash.h"
#include "support/RecordingMessages.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

using namespace vestra;

namespace {

bool hasJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.script() == QChar::Script_Hiragana || c.script() == QChar::Script_Katakana ||
               c.script() == QChar::Script_Han;
    });
}

// Whether the process has mapped a library whose path contains part.
bool mapped(const char* part) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(part);
}

QImage groupBox(QStyle* style, const QString& title, bool checkable) {
    QGroupBox box(title);
    box.setStyle(style);
    box.setCheckable(checkable);
    (new QVBoxLayout(&box))->addWidget(new QLabel(QStringLiteral("測定")));
    box.resize(160, 90);
    return box.grab().toImage();
}

} // namespace

// The application as an installed desktop program: Japanese standard dialogs whatever the
// locale of the machine, its own icon and Fusion's look without Qt's image plug-ins.
class DesktopSetupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The machine's locale must not matter: start from an English one.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        SetUpDesktopApplication(*qApp);
    }

    // First, before any test below loads an image plug-in: the start-up form and the main window
    // painted whole (menu bar, tool bar, group boxes, tables) map no image plug-in, neither the
    // SVG library nor Qt's print support.
    void theWindowsOfTheStartLoadNoImagePlugin() {
        if (!QFile::exists(QStringLiteral("/proc/self/maps"))) {
            QSKIP("no /proc/self/maps here");
        }
        testing::TempFolder config("vestra-desktop-setup");
        testing::RecordingMessages messages;
        frmSplash splash(TemperatureUnit::Celsius, false);
        splash.grab();
        QtAppSession session(PrepareSettings(config.file("VESTRA.INI")), Settings{}, messages);
        session.window().show();
        session.window().grab();
        QVERIFY(!mapped("/imageformats/"));
        QVERIFY(!mapped("/iconengines/"));
        QVERIFY(!mapped("libQt6Svg"));
        QVERIFY(!mapped("libQt6PrintSupport"));
    }

    void theStyleLooksExactlyLikeFusion_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        QTest::newRow("titled") << QStringLiteral("全般") << false;
        QTest::newRow("untitled") << QString() << false;
        QTest::newRow("checkable, titled") << QStringLiteral("グループ") << true;
        QTest::newRow("checkable, untitled") << QString() << true;
    }
    void theStyleLooksExactlyLikeFusion() {
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QtAppStyle style(QStringLiteral("Fusion"));
        QCOMPARE(groupBox(&style, title, checkable), groupBox(fusion.get(), title, checkable));

        QStyleOption rightToLeft;
        rightToLeft.direction = Qt::RightToLeft;
        for (auto arrow : {QStyle::SP_ToolBarHorizontalExtensionButton,
                           QStyle::SP_ToolBarVerticalExtensionButton}) {
            for (const QStyleOption* option : {static_cast<const QStyleOption*>(nullptr),
                                               static_cast<const QStyleOption*>(&rightToLeft)}) {
                QIcon ours = style.standardIcon(arrow, option, nullptr);
                QIcon qts = fusion->standardIcon(arrow, option, nullptr);
                QCOMPARE(ours.availableSizes(), qts.availableSizes());
                for (int size : {5, 8, 12, 16, 24, 32, 48}) {
                    for (auto mode : {QIcon::Normal, QIcon::Disabled}) {
                        QCOMPARE(ours.pixmap(size, mode).toImage(),
                                 qts.pixmap(size, mode).toImage());
                    }
                }
            }
        }
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
        QCOMPARE(icon.availableSizes(),
                 QList<QSize>({QSize(16, 16), QSize(32, 32), QSize(64, 64), QSize(128, 128)}));
        QCOMPARE(icon.pixmap(64, 64).size(), QSize(64, 64));
        QCOMPARE(QGuiApplication::desktopFileName(), QString::fromLatin1(kDesktopAppId));
    }
};

QTEST_MAIN(DesktopSetupTest)
#include "DesktopSetupTest.moc"
