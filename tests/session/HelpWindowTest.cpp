#include "session/QtHelpWindow.h"

#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>

using namespace vestra;

// The help window on the test platform's small screen (800x600): it opens within the screen,
// and Esc closes it.
class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithinTheScreenAndEscClosesIt() {
        QWidget owner;
        owner.show();
        OpenHelp(&owner, QStringLiteral("/nonexistent/help/index.html"));
        QPointer<QTextBrowser> browser = owner.findChild<QTextBrowser*>();
        QVERIFY(browser && browser->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(browser));
        QVERIFY(browser->screen()->availableGeometry().contains(browser->frameGeometry()));
        QTest::keyClick(browser, Qt::Key_Escape);
        QTRY_VERIFY(browser.isNull());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
