#pragma once

#include "print/QtPrintJob.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace vestra {

// The print menu: the destination in use, "only groups with data", the per-group item set, and
// the way to the detailed settings, to printing, to the preview and to the printer setup.
class frmPrnMenu : public QDialog {
    Q_OBJECT
public:
    frmPrnMenu(const QtPrintJob& job, QWidget* parent = nullptr);

public slots:
    void chkData_Click(bool checked);
    void optGrp_Click(int index);
    void cmdSet_Click();
    void cmdOK_Click();
    void cmdPreview_Click();
    void cmdPrSet_Click();
    void cmdCancel_Click();

private:
    void buildControls();

    QtPrintJob job_;
    QLabel* lblPrName_;
    QCheckBox* chkData_;
    std::array<QRadioButton*, 3> optGrp_{};
};

} // namespace vestra
