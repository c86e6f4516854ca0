#pragma once

#include "base/MessageSink.h"
#include "base/TemperatureUnit.h"
#include "data/DataSet.h"
#include "device/ConnectionRunner.h"
#include "devicesettings/QtGroupPage.h"
#include "devicesettings/SettingsForm.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace vestra {

// The device settings editor: the thermometer's label and the tag, emissivity and alarm limits
// of its 15 groups, read from the thermometer, edited, reviewed and sent. Opening it rewrites
// the store's deviceSettings from the shown data (or the defaults when there is none).
class frmSet : public QDialog {
    Q_OBJECT
public:
    frmSet(DataStore& store, TemperatureUnit unit, MessageSink& messages, ConnectionRunner& runner,
           CommResultReporter showCommResult, QWidget* parent = nullptr);

    // Checks every box; on the first error shows its tab, focuses and selects the box and
    // tells the user. What passed before the error is already stored.
    bool validateSettings();

public slots:
    void cmdGet_Click();
    void cmdAll_Click();
    void cmdSet_Click();
    void cmdCancel_Click();
    void cmdDefault_Click();
    void SSTab_Click(int index);
    // An arrow of a number box of a group was clicked (+1 up, -1 down).
    void UpDown_Click(int group, vestra::SettingBox number, int direction);

private:
    void buildTabs(QTabWidget* tabs);
    QPushButton* buildButton(const char* name, const char* caption, void (frmSet::*slot)());
    void showGroup(int group);
    void showAll();
    void refreshDefaultButton();
    QLineEdit* boxOf(int group, SettingBox box) const;
    int visibleGroup() const { return visibleTab_ + 1; }

    DataStore& store_;
    MessageSink& messages_;
    ConnectionRunner& runner_;
    CommResultReporter showCommResult_;
    SettingsForm form_;
    QLineEdit* txtLabel_ = nullptr;
    QTabWidget* SSTab_ = nullptr;
    QPushButton* cmdDefault_ = nullptr;
    std::array<QtGroupPage, kGroupCount> pages_{};
    int visibleTab_ = 0;
};

} // namespace vestra
