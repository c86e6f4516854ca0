#pragma once

#include "base/TemperatureUnit.h"
#include "device/CommObserver.h"
#include "device/Connection.h"

#include <QDialog>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace vestra {

// The communication window: runs one connection by itself (wake-up, greeting, the mode's
// operation, farewell) while showing its status and progress, and closes when it is done.
// Only the long reading modes offer the cancel button; nothing else closes the window.
class frmTerm : public QDialog, public CommObserver {
    Q_OBJECT
public:
    // trace: where the connection is recorded (see LineTrace); null for nowhere.
    frmTerm(SerialPort& port, CommState& state, DataStore& data, TemperatureUnit unit,
            QWidget* owner, LineTrace* trace = nullptr);
    ~frmTerm() override;

    void showStatus(const std::string& text) override;
    void showProgress(int value) override;
    // How the connection ended, once the window has closed.
    const ConnectionOutcome& outcome() const { return outcome_; }

    QLabel* lblTermInf;
    QProgressBar* PBarTerm;
    QPushButton* cmdTermStart;
    QPushButton* cmdCancel;
    QTimer* tmrTermStart;

public slots:
    void cmdTermStart_Click();
    void cmdCancel_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Connection> connection_;
    ConnectionOutcome outcome_;
    const DataSet& importBuffer_;
    bool countsReadings_ = false; // an import shows its readings on the bar
    bool woken_ = false;
};

// Runs one connection in the communication window, modal over owner, once the caller has
// opened the port and set CurrentMode. Returns how the connection ended.
ConnectionOutcome RunCommWindow(SerialPort& port, CommState& state, DataStore& data,
                                TemperatureUnit unit, QWidget* owner, LineTrace* trace = nullptr);

} // namespace vestra
