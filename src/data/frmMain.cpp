#include "data/frmMain.h"

#include "shell/AppInfo.h"

namespace vestra {

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromUtf8(kAppTitle));
    resize(800, 600);
}

} // namespace vestra
