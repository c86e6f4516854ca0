#pragma once

#include "devicesettings/StepScale.h"

#include <array>

class QGroupBox;
class QLineEdit;
class QWidget;

namespace vestra {

class QtUpDownButtons;

// The controls of one group on its tab of the settings editor.
struct QtGroupPage {
    QWidget* page = nullptr;
    QGroupBox* frame = nullptr;
    QLineEdit* tag = nullptr;
    // Emissivity, high alarm, low alarm.
    std::array<QLineEdit*, 3> numbers{};
    std::array<QtUpDownButtons*, 3> arrows{};

    QLineEdit* box(SettingBox which) const;
};

// Builds the tab page of a group: its frame headed "グループ１" and so on, the tag box and the
// three number boxes with their arrows. Object names end in the group number (txtTag7).
QtGroupPage BuildGroupPage(int group);

} // namespace vestra
