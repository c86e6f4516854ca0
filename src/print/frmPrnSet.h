#pragma once

#include "print/PrintSetRules.h"
#include "print/QtPrintJob.h"

#include <QDialog>
#include <array>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace vestra {

// The detailed print settings: one check box for every switch of the report, and the choice of
// the groups. Every check box writes its switch as soon as it is clicked.
class frmPrnSet : public QDialog {
    Q_OBJECT
public:
    frmPrnSet(const QtPrintJob& job, QWidget* parent = nullptr);

public slots:
    void optField_Click(int index);
    void chkGrp_Click(int index, bool checked);
    void cmdOK_Click();
    void cmdPrSet_Click();
    void cmdCancel_Click();

private:
    struct SwitchBox {
        QCheckBox* box;
        PrintSwitch option;
    };

    QGroupBox* pageHeaderFrame();
    QGroupBox* groupFrame();
    QGroupBox* switchFrame(const QString& title, const char* name,
                           const std::vector<const char*>& captions, const PrintSwitch* switches);
    QWidget* buttonRow();
    void addSwitchBox(QCheckBox* box, PrintSwitch option);
    void showGroups(bool enabled);

    QtPrintJob job_;
    QLabel* lblPrName_;
    std::vector<SwitchBox> switchBoxes_;
    std::array<QRadioButton*, 3> optField_{};
    std::array<QCheckBox*, kGroupCount> chkGrp_{};
};

} // namespace vestra
