#pragma once

#include "base/MessageSink.h"
#include "device/ConnectionRunner.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace vestra {

// Reads the thermometer's clock and sets it from six boxes prefilled with the present time.
class frmTime : public QDialog {
    Q_OBJECT
public:
    frmTime(ConnectionRunner& runner, MessageSink& messages, CommResultReporter showCommResult,
            const DateTime& now = DateTime::Now(), QWidget* parent = nullptr);

public slots:
    void cmdRead_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    void showClock(const DateTime& t);
    ConnectionOutcome runConnection(ConnectionMode mode, const DateTime& clockToSet);

    ConnectionRunner& runner_;
    MessageSink& messages_;
    CommResultReporter showCommResult_;
    std::array<QLineEdit*, 6> txtTime_{};
};

} // namespace vestra
