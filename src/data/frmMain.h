#pragma once

#include <QMainWindow>

namespace vestra {

// The main window: group tree, overview and detail tables, menus, toolbar and status bar.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
};

} // namespace vestra
