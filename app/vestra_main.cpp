#include "data/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vestra::frmMain window;
    window.show();
    return QApplication::exec();
}
