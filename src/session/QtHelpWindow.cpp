#include "session/QtHelpWindow.h"

#include "base/AppInfo.h"
#include "base/FileFunc.h"
#include "base/InstallLayout.h"
#include "window/QtWindowFit.h"

#include <QFileInfo>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>

namespace vestra {
namespace {

QTextBrowser* makeBrowser(QWidget* owner) {
    auto* browser = new QTextBrowser(owner);
    browser->setWindowFlag(Qt::Window);
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->setOpenExternalLinks(true);
    browser->setWindowTitle(QString::fromUtf8(kAppTitle) + QStringLiteral(" ﾍﾙﾌﾟ"));
    ResizeWithinScreen(*browser, QSize(760, 640));
    // A reader closes it as the program's other small windows close.
    new QShortcut(QKeySequence(Qt::Key_Escape), browser, browser, &QWidget::close);
    return browser;
}

} // namespace

QString HelpFilePath() {
    return QString::fromStdString(HelpDocumentPath(ProgramFolder()));
}

void OpenHelp(QWidget* owner, const QString& path) {
    static QPointer<QTextBrowser> browser;
    if (!browser) {
        browser = makeBrowser(owner);
    }
    if (QFileInfo::exists(path)) {
        browser->setSource(QUrl::fromLocalFile(path));
    } else {
        browser->setHtml(QStringLiteral("<h2>ﾍﾙﾌﾟﾌｧｲﾙが見つかりません。</h2><p>%1</p>")
                             .arg(path.toHtmlEscaped()));
    }
    browser->show();
    browser->raise();
    browser->activateWindow();
}

} // namespace vestra
