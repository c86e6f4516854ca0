#include "start/QtDesktopSetup.h"

#include "start/QtAppStyle.h"
#include "start/QtBuiltInImages.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vestra {

bool LoadQtJapanese(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void SetUpDesktopApplication(QApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    LoadQtJapanese(app);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication::setStyle(new QtAppStyle(QApplication::style()->name()));
    QStringList icons;
    for (int size : {16, 32, 64, 128}) {
        icons << QStringLiteral(":/icons/vestra-%1.png").arg(size);
    }
    QApplication::setWindowIcon(BuiltInPngIcon(icons));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopAppId));
}

} // namespace vestra
