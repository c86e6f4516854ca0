#pragma once

#include "base/TemperatureUnit.h"

#include <QDialog>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace vestra {

// The start-up form: asks which thermometer type is in use, or shows the stored type for two
// seconds and goes on by itself. Accepted means go on to the main window; closing it any
// other way ends the program.
class frmSplash : public QDialog {
    Q_OBJECT
public:
    frmSplash(TemperatureUnit currentUnit, bool askModelType, QWidget* parent = nullptr);

    // The type chosen on OK.
    TemperatureUnit currentUnit() const { return currentUnit_; }
    bool askModelType() const { return askModelType_; }

    QLabel* lblProductName;
    QLabel* lblVersion;
    QLabel* lblMSG[2];
    QRadioButton* optType[2];
    QCheckBox* chkType;
    QPushButton* cmdOK;
    QTimer* tmrOpen;

public slots:
    void cmdOK_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildLayout();
    void enterSplashMode();

    TemperatureUnit currentUnit_;
    bool askModelType_;
};

} // namespace vestra
