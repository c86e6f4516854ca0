#pragma once

#include <QDialog>

class QLabel;

namespace vestra {

// The version window: product, model, version, copyright and a one-line description.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QLabel* lblModel;
    QLabel* lblVersion;
    QLabel* lblCopyright;
    QLabel* lblDescription;
};

} // namespace vestra
