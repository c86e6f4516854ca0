// Renders the application's question about unsaved data, as the application asks it, and saves
// it as a PNG file for the documentation: the standard Yes/No buttons are Japanese whatever the
// locale the program starts in.
#include "base/QtMessageSink.h"
#include "start/QtDesktopSetup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

using namespace vestra;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    SetUpDesktopApplication(app);
    bool saved = false;
    QTimer::singleShot(300, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            QApplication::exit(1);
            return;
        }
        saved = box->grab().save(folder + "/screenshot-question-ja.png");
        box->button(QMessageBox::No)->click();
    });
    QtMessageSink messages;
    bool yes =
        messages.askYesNo("現在のﾃﾞｰﾀは保存されていませんが終了しますか?", MessageIcon::Question);
    return saved && !yes ? 0 : 1;
}
