#include "shell/CloseGuard.h"
#include "shell/frmAbout.h"

#include <QLabel>
#include <QtTest>

using namespace vestra;

class ShellWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void aboutBoxShowsTheVersionRecord() {
        frmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("VESTRAﾃﾞｰﾀ処理ｿﾌﾄのﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(about.lblVersion->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 2.00  (32bit)  ☆080301☆"));
        QVERIFY(about.lblDescription->text().contains(QStringLiteral("\n")));
        QVERIFY(!about.lblDescription->text().contains(QStringLiteral("\r")));
    }

    void disabledCloseCommandIgnoresCloseRequests() {
        QWidget window;
        DisableCloseCommand(&window);
        window.show();
        QVERIFY(!(window.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        ReleaseCloseCommand(&window);
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "ShellWindowsTest.moc"
