#include "start/QtDesktopSetup.h"

#include <QApplication>
#include <QIcon>
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
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vestra.svg")));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopAppId));
}

} // namespace vestra
