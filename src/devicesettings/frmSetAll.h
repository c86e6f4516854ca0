#pragma once

#include "base/TemperatureUnit.h"
#include "data/DataSet.h"

#include <QDialog>

namespace vestra {

// Lists the prepared device settings for review before they are sent. It sends nothing
// itself; the settings editor reads sendRequested() after it has closed.
class frmSetAll : public QDialog {
    Q_OBJECT
public:
    frmSetAll(const DeviceSettings& settings, TemperatureUnit unit, QWidget* parent = nullptr);

    // True only when the dialog was closed with its "設定" button.
    bool sendRequested() const { return sendRequested_; }

public slots:
    void cmdSet_Click();
    void cmdCancel_Click();

private:
    bool sendRequested_ = false;
};

} // namespace vestra
