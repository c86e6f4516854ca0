#include "data/frmMain.h"
#include "shell/QtMessageSink.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vestra::DataStore store;
    vestra::MainWindowSettings settings;
    vestra::QtMessageSink messages;
    vestra::frmMain window(store, std::string(vestra::kUnitCelsius), settings, messages);
    window.show();
    return QApplication::exec();
}
